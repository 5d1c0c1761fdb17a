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
// Between a caption and either side of its tab, as designed.
constexpr int kCaptionPadding = 4;

// Gives every tab at least the designed width at the layout DPI and more
// where its caption needs it, so that no caption is cut; a strip of several
// rows takes as many rows as its tabs need. It scales like the above.
void SetCaptionTabSize(HWND tabs, int minWidth, int height);
bool HasFixedTabSize(HWND window);
// A strip made by one of the two above takes its designed sizes at the
// layout DPI again, after a change of scale.
void ScaleTabSize(HWND tabs);

}  // namespace tovik::ui
