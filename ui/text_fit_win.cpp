#include "ui/text_fit_win.h"

#include "ui/dpi_win.h"
#include "ui/gdi_win.h"

namespace tovik::ui {

SIZE TextExtent(HWND window, std::wstring_view text, UINT format) {
  return TextExtent(window, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), text,
                    format);
}

// A window without a font of its own draws in the system's.
SIZE TextExtent(HWND window, HFONT font, std::wstring_view text, UINT format) {
  const WindowDC dc(window);
  const ScopedSelect selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | format);
  return {r.right - r.left, r.bottom - r.top};
}

int Designed(int pixels) {
  return (pixels * kDesignDpi + LayoutDpi() - 1) / LayoutDpi();
}

}  // namespace tovik::ui
