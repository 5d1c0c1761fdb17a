#include "ui/fonts_win.h"

namespace tovik::ui {

GdiObject<HFONT> MakeFont(const FontArgs& args) {
  int height = -args.pixels;
  if (args.pixels == 0) {
    const HDC screen = GetDC(nullptr);
    height = -MulDiv(args.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
  }
  return GdiObject<HFONT>(CreateFontW(height, 0, 0, 0, args.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                      args.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

}  // namespace tovik::ui
