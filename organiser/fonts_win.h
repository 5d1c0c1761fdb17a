#pragma once
#include <windows.h>

namespace tovik {

struct FontArgs {
  int points = 8;
  bool bold = false;
  bool underline = false;
};

// The windows' font, "MS Sans Serif", or the nearest the system has; the
// caller owns the handle.
HFONT MakeFont(const FontArgs& args);

}  // namespace tovik
