#include "organiser/fonts_win.h"

namespace tovik {

HFONT MakeFont(const FontArgs& args) {
  const HDC screen = GetDC(nullptr);
  const int height = -MulDiv(args.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, args.bold ? FW_BOLD : FW_NORMAL, FALSE, args.underline, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

}  // namespace tovik
