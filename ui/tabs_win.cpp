#include "ui/tabs_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/dpi_win.h"

namespace tovik::ui {
namespace {

// The designed tab size of the strips whose tabs follow the scale, and the
// mark of those whose tabs grow to their captions.
constexpr wchar_t kFixedTabsProperty[] = L"TovikFixedTabs";
constexpr wchar_t kCaptionTabsProperty[] = L"TovikCaptionTabs";

TCITEMW CaptionItem(std::wstring& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  return item;
}

// Stores the designed size of a strip's tabs and gives it to them.
void StoreTabSize(HWND tabs, int width, int height) {
  SetPropW(tabs, kFixedTabsProperty,
           reinterpret_cast<HANDLE>(static_cast<INT_PTR>(MAKELONG(width, height))));
  ScaleTabSize(tabs);
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

void SetFixedTabSize(HWND tabs, int width, int height) {
  SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) | TCS_FIXEDWIDTH);
  RemovePropW(tabs, kCaptionTabsProperty);
  StoreTabSize(tabs, width, height);
}

// Without fixed widths a tab is as wide as its caption and the padding on
// either side, and never narrower than the minimum.
void SetCaptionTabSize(HWND tabs, int minWidth, int height) {
  SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) & ~TCS_FIXEDWIDTH);
  SetPropW(tabs, kCaptionTabsProperty, reinterpret_cast<HANDLE>(1));
  StoreTabSize(tabs, minWidth, height);
}

void ScaleTabSize(HWND tabs) {
  const auto designed =
      static_cast<DWORD>(reinterpret_cast<INT_PTR>(GetPropW(tabs, kFixedTabsProperty)));
  const int width = Scaled(LOWORD(designed));
  const int height = Scaled(HIWORD(designed));
  if (GetPropW(tabs, kCaptionTabsProperty) != nullptr) {
    SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, width);
    SendMessageW(tabs, TCM_SETPADDING, 0, MAKELPARAM(Scaled(kCaptionPadding), Scaled(3)));
  }
  SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

bool HasFixedTabSize(HWND window) {
  return GetPropW(window, kFixedTabsProperty) != nullptr;
}

}  // namespace tovik::ui
