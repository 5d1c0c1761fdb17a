#pragma once
#include <windows.h>

#include <span>

#include "ui/gdi_win.h"

// Sent by Windows 10 and later; declared here for older headers.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace tovik::ui {

// The windows are designed in pixels at 96 DPI. Both programs declare
// per-monitor awareness, so they scale the design themselves: to the
// screen's DPI when a window is made, and to a monitor's when a window moves
// to one of another scale. At 96 DPI every size is the designed one.
constexpr int kDesignDpi = 96;

// The DPI the program lays its windows out for.
int LayoutDpi();
void SetLayoutDpi(int dpi);

// A designed length or place in pixels at the layout DPI.
int Scaled(int designed);
RECT Scaled(const RECT& designed);

// A copy of an icon at the small-icon size of the screen's scale, drawn from
// the icon's own pictures where it has one of that size.
OwnedIcon SmallIcon(HICON icon);

// A font of a window that a change of scale replaces.
struct FontSwap {
  HFONT from;
  HFONT to;
};

// What a top-level window does on WM_DPICHANGED, after the layout DPI and
// its fonts have changed: it takes the place that Windows suggests, every
// window inside it takes its place and size in the new scale, swaps its font
// for the new one, and gets WM_DPICHANGED_AFTERPARENT, on which own windows
// scale what else they draw; tab strips of designed tab sizes scale their tabs.
void RescaleWindowTree(HWND window, const RECT& suggested, int oldDpi,
                       std::span<const FontSwap> fonts);

}  // namespace tovik::ui
