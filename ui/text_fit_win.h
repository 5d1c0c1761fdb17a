#pragma once
#include <windows.h>

#include <string_view>

namespace tovik::ui {

// The size of a text in a window's font (its own, or the one given), broken
// into lines only where the text breaks them. `format` adds DrawText flags
// such as DT_NOPREFIX.
SIZE TextExtent(HWND window, std::wstring_view text, UINT format = DT_NOPREFIX);
SIZE TextExtent(HWND window, HFONT font, std::wstring_view text, UINT format = DT_NOPREFIX);

// A length in pixels at the layout DPI as a designed length, rounded up, so
// that scaling it back gives at least the pixels.
int Designed(int pixels);

}  // namespace tovik::ui
