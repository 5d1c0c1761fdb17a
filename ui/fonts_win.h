#pragma once
#include <windows.h>

#include "ui/gdi_win.h"

namespace tovik::ui {

struct FontArgs {
  int points = 8;  // the size in points on the screen
  int pixels = 0;  // or, when not 0, the character height in pixels
  bool bold = false;
  bool underline = false;
};

// A font of the face every window of both programs uses, "MS Sans Serif"
// (or the nearest the system has).
GdiObject<HFONT> MakeFont(const FontArgs& args);

}  // namespace tovik::ui
