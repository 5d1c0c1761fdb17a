#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tovik::ui {

// The captions of a tab control's tabs.
void InsertTab(HWND tabs, int index, std::wstring_view caption);
void SetTabCaption(HWND tabs, int index, std::wstring_view caption);
std::wstring TabCaption(HWND tabs, int index);

// Gives every tab of a tab strip of fixed-width tabs the designed size at the
// layout DPI; the strip then scales its tabs when the window changes scale.
void SetFixedTabSize(HWND tabs, int width, int height);
bool HasFixedTabSize(HWND window);

}  // namespace tovik::ui
