#include "ui/tabs_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/dpi_win.h"

namespace tovik::ui {
namespace {

// Marks the strips whose tabs follow the scale.
constexpr wchar_t kFixedTabsProperty[] = L"TovikFixedTabs";

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

void SetFixedTabSize(HWND tabs, int width, int height) {
  SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(Scaled(width), Scaled(height)));
  SetPropW(tabs, kFixedTabsProperty, reinterpret_cast<HANDLE>(1));
}

bool HasFixedTabSize(HWND window) {
  return GetPropW(window, kFixedTabsProperty) != nullptr;
}

}  // namespace tovik::ui
