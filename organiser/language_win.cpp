// ApplyLanguage: the texts, ticks, colours and help contexts of both windows.
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "base/wide_text_win.h"
#include "organiser/TovikMain_win.h"

namespace tovik {

namespace {

std::string TextKey(std::string_view name, TextKind kind) {
  return std::string(name) + '#' + std::to_string(static_cast<int>(kind));
}

}  // namespace

// English first, then the chosen language: a text the chosen language does
// not set stays English, never a text of the language chosen before.
void TTovikMain::ApplyLanguage() {
  const Language chosen = store_->LanguageId;
  store_->LanguageId = Language::English;
  SetLanguageTexts();
  store_->LanguageId = chosen;
  SetLanguageTexts();
}

void TTovikMain::SetLanguageTexts() {
  const Language language = store_->LanguageId;
  for (int id = 1; id <= kLanguageCount; ++id) {
    const auto each = static_cast<Language>(id);
    menu_.SetTicked(LanguageCommand(each), each == language);
  }
  ApplyColors();
  ShowDateAndFeasts();
  for (const LanguageRow& row : LanguageRows(language)) SetRowText(row);
  // The notes page's dial button repeats the calendar page's caption.
  if (const HWND appDial = Control("btnAppDial"), todoDial = Control("btnTodoDial");
      appDial && todoDial) {
    wchar_t caption[64] = {};
    GetWindowTextW(appDial, caption, 64);
    SetWindowTextW(todoDial, caption);
  }
  ApplyHelpContexts();
}

void TTovikMain::SetRowText(const LanguageRow& row) {
  const std::wstring text = Utf8ToWide(row.text);
  switch (row.kind) {
    case TextKind::Text: {
      if (menu_.SetCaption(row.target, row.text)) {
        DrawMenuBar(hwnd());
        return;
      }
      if (const int page = PageIndex(row.target); page >= 0) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        std::wstring caption = text;
        item.pszText = caption.data();
        SendMessageW(pgcTop_, TCM_SETITEMW, page, reinterpret_cast<LPARAM>(&item));
        return;
      }
      if (const HWND control = Control(row.target)) {
        SetWindowTextW(control, text.c_str());
      } else if (about_) {
        if (const HWND aboutControl = about_->Control(row.target)) {
          SetWindowTextW(aboutControl, text.c_str());
        }
      }
      return;
    }
    case TextKind::Hint:
      if (const HWND control = Control(row.target)) SetHint(control, text);
      texts_[TextKey(row.target, row.kind)] = std::string(row.text);
      return;
    default:  // texts that other parts read when they need them
      texts_[TextKey(row.target, row.kind)] = std::string(row.text);
      return;
  }
}

std::string TTovikMain::LanguageText(std::string_view name, TextKind kind) const {
  const auto found = texts_.find(TextKey(name, kind));
  return found == texts_.end() ? std::string() : found->second;
}

void TTovikMain::SetHint(HWND control, const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  std::wstring copy = text;
  tool.lpszText = copy.data();
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Every panel takes the background colour and every label on it the font
// colour, in both windows.
void TTovikMain::ApplyColors() {
  const int32_t color = store_->BackgroundColor;
  const int32_t fontColor = store_->FontColor;
  if (about_) about_->SetColors(color, fontColor);
  for (ui::Panel* panel : {pnlTop_.get(), pnlBottom_.get(), pnlTasksInner_.get()}) {
    panel->SetColors(color, fontColor);
  }
  for (const auto& panel : pagePanels_) panel->SetColors(color, fontColor);
}

void TTovikMain::ApplyHelpContexts() {
  const HelpContexts contexts = HelpContextsOf(store_->LanguageId);
  const std::pair<std::string_view, int> controls[] = {
      {"memAppDiary", contexts.memAppDiary},
      {"sgEvents", contexts.sgEvents},
      {"memTodoNotes", contexts.memTodoNotes},
      {"edtDiarySearch", contexts.edtDiarySearch},
  };
  for (const auto& [name, context] : controls) {
    if (const HWND control = Control(name)) SetWindowContextHelpId(control, context);
  }
}

}  // namespace tovik
