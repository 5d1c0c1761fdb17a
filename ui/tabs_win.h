#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tovik::ui {

// The captions of a tab control's tabs.
void InsertTab(HWND tabs, int index, std::wstring_view caption);
void SetTabCaption(HWND tabs, int index, std::wstring_view caption);
std::wstring TabCaption(HWND tabs, int index);

// Gives every tab at least the designed width and height at the layout DPI,
// and more width where its caption needs it, so that no caption is cut; a
// strip of several rows takes as many rows as its tabs need.
void SetTabSize(HWND tabs, int minWidth, int height);
bool HasDesignedTabSize(HWND window);
// A strip whose tab size was set above takes it at the layout DPI again,
// after a change of scale.
void ScaleTabSize(HWND tabs);

}  // namespace tovik::ui
