#include "ui/dpi_win.h"

#include <commctrl.h>

#include <vector>

#include "ui/tabs_win.h"

namespace tovik::ui {
namespace {

int g_layoutDpi = 0;  // 0 until first asked: the screen's

// Through the design: a place scaled up from 96 DPI comes back to its
// designed value, so moving between monitors does not drift.
int Rescale(int pixels, int oldDpi, int newDpi) {
  return MulDiv(MulDiv(pixels, kDesignDpi, oldDpi), newDpi, kDesignDpi);
}

void RescaleChild(HWND child, int oldDpi, int newDpi, std::span<const FontSwap> fonts) {
  RECT place;
  GetWindowRect(child, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
  const int left = Rescale(place.left, oldDpi, newDpi);
  const int top = Rescale(place.top, oldDpi, newDpi);
  SetWindowPos(child, nullptr, left, top, Rescale(place.right, oldDpi, newDpi) - left,
               Rescale(place.bottom, oldDpi, newDpi) - top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
  for (const FontSwap& swap : fonts) {
    if (font == swap.from) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(swap.to), FALSE);
      break;
    }
  }
  if (HasDesignedTabSize(child)) ScaleTabSize(child);
}

}  // namespace

int LayoutDpi() {
  if (g_layoutDpi == 0) {
    g_layoutDpi = GetDeviceCaps(WindowDC(nullptr), LOGPIXELSY);
    if (g_layoutDpi <= 0) g_layoutDpi = kDesignDpi;
  }
  return g_layoutDpi;
}

void SetLayoutDpi(int dpi) {
  g_layoutDpi = dpi > 0 ? dpi : kDesignDpi;
}

int Scaled(int designed) {
  return MulDiv(designed, LayoutDpi(), kDesignDpi);
}

RECT Scaled(const RECT& designed) {
  return RECT{Scaled(designed.left), Scaled(designed.top), Scaled(designed.right),
              Scaled(designed.bottom)};
}

OwnedIcon SmallIcon(HICON icon) {
  return OwnedIcon(
      static_cast<HICON>(CopyImage(icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), LR_COPYFROMRESOURCE)));
}

void RescaleWindowTree(HWND window, const RECT& suggested, int oldDpi,
                       std::span<const FontSwap> fonts) {
  const int newDpi = LayoutDpi();
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Gathered first: a window that rescales may make or move windows of its own.
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  for (const HWND child : children) RescaleChild(child, oldDpi, newDpi, fonts);
  for (const HWND child : children) SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tovik::ui
