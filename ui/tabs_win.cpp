#include "ui/tabs_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/dpi_win.h"

namespace tovik::ui {
namespace {

// The designed tab size of the strips whose tabs follow the scale.
constexpr wchar_t kTabSizeProperty[] = L"TovikTabSize";
// Between a caption and either side of its tab, as designed.
constexpr int kCaptionPadding = 4;

TCITEMW CaptionItem(std::wstring& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  return item;
}

}  // namespace

void InsertTab(HWND tabs, int index, std::wstring_view caption) {
  std::wstring copy(caption);
  TCITEMW item = CaptionItem(copy);
  SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void SetTabCaption(HWND tabs, int index, std::wstring_view caption) {
  std::wstring copy(caption);
  TCITEMW item = CaptionItem(copy);
  SendMessageW(tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

std::wstring TabCaption(HWND tabs, int index) {
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

// A tab is as wide as its caption and the padding on
// either side, and never narrower than the minimum.
void SetTabSize(HWND tabs, int minWidth, int height) {
  SetPropW(tabs, kTabSizeProperty,
           reinterpret_cast<HANDLE>(static_cast<INT_PTR>(MAKELONG(minWidth, height))));
  ScaleTabSize(tabs);
}

void ScaleTabSize(HWND tabs) {
  const auto designed =
      static_cast<DWORD>(reinterpret_cast<INT_PTR>(GetPropW(tabs, kTabSizeProperty)));
  const int width = Scaled(LOWORD(designed));
  SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, width);
  SendMessageW(tabs, TCM_SETPADDING, 0, MAKELPARAM(Scaled(kCaptionPadding), Scaled(3)));
  SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(width, Scaled(HIWORD(designed))));
}

bool HasDesignedTabSize(HWND window) {
  return GetPropW(window, kTabSizeProperty) != nullptr;
}

}  // namespace tovik::ui
