#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "ui/gdi_win.h"

namespace tovik::ui {

struct FontArgs {
  int points = 8;  // the size in points on the screen
  int pixels = 0;  // or, when not 0, the designed character height in pixels
  bool bold = false;
  bool underline = false;
};

// A font of the face every window of both programs uses, "MS Sans Serif"
// (or the nearest the system has), at the layout DPI.
GdiObject<HFONT> MakeFont(const FontArgs& args);

// The fonts of a top-level window, made at once at the layout DPI, which
// follow the window to a monitor of another scale.
class ScaledFonts {
 public:
  explicit ScaledFonts(std::initializer_list<FontArgs> args);
  HFONT operator[](size_t font) const { return fonts_[font]; }

  // WM_DPICHANGED: the layout DPI becomes `dpi`, the fonts are made anew,
  // and the window and every window inside it take the new scale.
  void FollowScale(HWND window, int dpi, const RECT& suggested);

 private:
  std::vector<FontArgs> args_;
  std::vector<GdiObject<HFONT>> fonts_;
};

}  // namespace tovik::ui
