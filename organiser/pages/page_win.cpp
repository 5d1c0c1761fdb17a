#include "organiser/pages/page_win.h"

#include <algorithm>
#include <string_view>

#include "base/wide_text_win.h"
#include "organiser/links/links_win.h"
#include "ui/dpi_win.h"
#include "ui/input_filter_win.h"
#include "ui/window_win.h"

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

void OrganiserPage::Place(const RECT& bounds) {
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(sheet_.hwnd(), nullptr, bounds.left, bounds.top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(panel_.hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutForSheetHeight();
}

void OrganiserPage::FitShortSheet(std::vector<ShortSheetRow> rows) {
  shortSheetRows_ = std::move(rows);
  LayOutForSheetHeight();
}

// From the design each time, so that a sheet that grows again, or a change
// of scale, leaves each control where it was designed. The page needs its
// lowest control and a margin below it.
void OrganiserPage::LayOutForSheetHeight() {
  constexpr int kSheetMargin = 6;
  LONG needed = 0;
  for (const ShortSheetRow& row : shortSheetRows_) needed = std::max(needed, row.designed.bottom);
  RECT sheet;
  GetClientRect(sheet_.hwnd(), &sheet);
  const LONG shortfall = std::max(0L, ui::Scaled(needed + kSheetMargin) - sheet.bottom);
  for (const ShortSheetRow& row : shortSheetRows_) {
    RECT place = ui::Scaled(row.designed);
    if (row.movesUp)
      OffsetRect(&place, 0, -shortfall);
    else
      place.bottom -= shortfall;
    SetWindowPos(row.window, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  OnSheetLaidOut();
}

std::string OrganiserPage::CommitNoteBox(HWND box,
                                         const std::function<StoreResult(std::string_view)>& store,
                                         const std::function<void()>& afterStore) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = ui::WindowText(box);
  if (end > start && end <= text.size()) {
    Host().Links().RememberSelection(WideToAnsi(text.substr(start, end - start)));
  }
  std::string stored = WideToAnsi(text);
  const StoreResult result = store(stored);
  Host().SaveChanges();
  if (afterStore) afterStore();
  if (result == StoreResult::TableFull || result == StoreResult::TextTooLong) {
    Host().ShowMessage(Host().Text(Target::MsgTextTooLong));
  }
  return stored;
}

void OrganiserPage::KeepStorable(HWND box) {
  ui::KeepStorable(box, {.maxBytes = kMaxStoredTextBytes - 1,
                         .tipTitle = L"Tovik",
                         .onRefused = [this](const ui::FilteredInput& input, bool pasted) {
                           return RefusedInputTip(input, pasted);
                         }});
}

// The tip names what was left out, in the current language, and adds that
// the text is full when the stored text ran out of bytes.
std::wstring OrganiserPage::RefusedInputTip(const ui::FilteredInput& input, bool pasted) {
  Host().Beep();
  std::wstring why;
  if (!input.leftOut.empty()) {
    const Target text = pasted ? Target::MsgCharactersLeftOut : Target::MsgCharacterNotStored;
    why = ui::FillIn(Host().Text(text), ui::NameCharacters(input.leftOut));
  }
  if (input.tooLong) {
    if (!why.empty()) why += L"\n";
    why += Host().Text(Target::MsgTextTooLong);
  }
  return why;
}

void OrganiserPage::LinkButtonClick(HWND button, HWND noteBox, void (LinksAndDialling::*action)()) {
  SetFocus(button);
  (Host().Links().*action)();
  if (IsWindowVisible(noteBox)) SetFocus(noteBox);
}

HWND OrganiserPage::CreateSearchPicture(const RECT& bounds, int id) {
  return panel_.AddSearchPicture(bounds, id);
}

}  // namespace tovik
