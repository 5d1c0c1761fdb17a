#include "organiser/pages/page_win.h"

#include <string_view>

#include "organiser/links/links_win.h"

namespace tovik {

// The sheet lies above the tab control as its sibling, with one panel
// filling it; what the panel's controls report goes to the page.
OrganiserPage::OrganiserPage(const PageArgs& args, std::string_view sheetName,
                             std::string_view panelName)
    : args_(args),
      sheet_({.name = sheetName,
              .parent = args.window,
              .bounds = args.bounds,
              .font = (*args.fonts)[static_cast<size_t>(FontKind::Normal)]}),
      panel_({.name = panelName,
              .parent = sheet_.hwnd(),
              .bounds = ui::Bounds(0, 0, args.bounds.right - args.bounds.left,
                                   args.bounds.bottom - args.bounds.top),
              .events = this}) {
  SetWindowPos(sheet_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND OrganiserPage::Create(const wchar_t* className, const wchar_t* text, DWORD style,
                           const RECT& bounds, FontKind font, DWORD exStyle) {
  const HFONT handle = Font(font);
  if (std::wstring_view(className) == L"STATIC") {
    return panel_.AddLabel({.text = text, .bounds = bounds, .style = style, .font = handle});
  }
  const HWND control = panel_.AddControl(className, text, style | WS_VISIBLE, bounds, 0, exStyle);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
  return control;
}

void OrganiserPage::LinkButtonClick(HWND button, HWND noteBox, void (LinksAndDialling::*action)()) {
  SetFocus(button);
  (Host().Links().*action)();
  if (IsWindowVisible(noteBox)) SetFocus(noteBox);
}

HWND OrganiserPage::CreateSearchPicture(const RECT& bounds) {
  return panel_.AddSearchPicture(bounds);
}

}  // namespace tovik
