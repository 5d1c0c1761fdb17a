#include "ui/fonts_win.h"

#include "ui/dpi_win.h"

namespace tovik::ui {

GdiObject<HFONT> MakeFont(const FontArgs& args) {
  const int height =
      args.pixels != 0 ? -Scaled(args.pixels) : -MulDiv(args.points, LayoutDpi(), 72);
  return GdiObject<HFONT>(CreateFontW(height, 0, 0, 0, args.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                      args.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

ScaledFonts::ScaledFonts(std::initializer_list<FontArgs> args) : args_(args) {
  for (const FontArgs& font : args_) fonts_.push_back(MakeFont(font));
}

void ScaledFonts::FollowScale(HWND window, int dpi, const RECT& suggested) {
  const int oldDpi = LayoutDpi();
  SetLayoutDpi(dpi);
  std::vector<GdiObject<HFONT>> fonts;
  std::vector<FontSwap> swaps;
  for (size_t i = 0; i < args_.size(); ++i) {
    fonts.push_back(MakeFont(args_[i]));
    swaps.push_back({fonts_[i], fonts.back()});
  }
  RescaleWindowTree(window, suggested, oldDpi, swaps);
  // The old fonts go with the local, now that no window uses them.
  fonts_.swap(fonts);
}

}  // namespace tovik::ui
