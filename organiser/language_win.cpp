// ApplyLanguage: the texts, ticks, colours and help contexts of both windows.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "base/wide_text_win.h"
#include "organiser/TovikMain_win.h"

namespace tovik {
namespace {

// The tab of pgcTop whose caption a row sets.
std::optional<int> TabOf(Target target) {
  switch (target) {
    case Target::psAppointments:
      return TTovikMain::kAppointmentsPage;
    case Target::psEvents:
      return TTovikMain::kEventsPage;
    case Target::psTodos:
      return TTovikMain::kNotesPage;
    default:
      return std::nullopt;
  }
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
  for (const LanguageRow& row : LanguageRows(language)) SetRowText(row);
  // The notes page's dial button repeats the calendar page's caption.
  wchar_t caption[64] = {};
  GetWindowTextW(ControlOf(Target::btnAppDial), caption, 64);
  SetWindowTextW(ControlOf(Target::btnTodoDial), caption);
  ApplyHelpContexts();
}

HWND TTovikMain::ControlOf(Target target) const {
  switch (OwnerOf(target)) {
    case TargetOwner::Frame:
      switch (target) {
        case Target::lblWhenDoneExit:
          return lblWhenDoneExit_;
        case Target::btnExit:
          return btnExit_;
        default:  // the tabs of pgcTop are no controls of their own
          return nullptr;
      }
    case TargetOwner::AppointmentsPage:
      return appointments_->ControlOf(target);
    case TargetOwner::EventsPage:
      return events_->ControlOf(target);
    case TargetOwner::NotesPage:
      return notes_->ControlOf(target);
    case TargetOwner::About:
      return about_ ? about_->ControlOf(target) : nullptr;
    case TargetOwner::Menu:
    case TargetOwner::Texts:
      break;
  }
  return nullptr;
}

void TTovikMain::SetRowText(const LanguageRow& row) {
  const std::wstring text = Utf8ToWide(row.text);
  switch (row.kind) {
    case TextKind::Text: {
      if (OwnerOf(row.target) == TargetOwner::Menu) {
        menu_.SetCaption(row.target, row.text);
        DrawMenuBar(hwnd());
        return;
      }
      if (const std::optional<int> page = TabOf(row.target)) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        std::wstring tabCaption = text;
        item.pszText = tabCaption.data();
        SendMessageW(pgcTop_, TCM_SETITEMW, *page, reinterpret_cast<LPARAM>(&item));
        return;
      }
      if (const HWND control = ControlOf(row.target)) SetWindowTextW(control, text.c_str());
      return;
    }
    case TextKind::Hint:
      SetHint(ControlOf(row.target), text);
      return;
    case TextKind::GridHeading1:
    case TextKind::GridHeading2:
    case TextKind::GridHeading3:
      events_->SetHeading(static_cast<int>(row.kind) - static_cast<int>(TextKind::GridHeading1),
                          text);
      return;
    case TextKind::Variable:
      texts_[row.target] = std::string(row.text);
      return;
  }
}

std::wstring TTovikMain::HintOf(HWND control) const {
  wchar_t text[512] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(tooltip_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

std::string TTovikMain::LanguageText(Target target) const {
  const auto found = texts_.find(target);
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
  for (ui::Panel* panel : {pnlTop_.get(), pnlBottom_.get(), &notes_->InnerPanel()}) {
    panel->SetColors(color, fontColor);
  }
  for (int page = 0; page < 3; ++page) PageAt(page).Panel().SetColors(color, fontColor);
}

void TTovikMain::ApplyHelpContexts() {
  const HelpContexts contexts = HelpContextsOf(store_->LanguageId);
  for (int page = 0; page < 3; ++page) PageAt(page).ApplyHelpContexts(contexts);
}

}  // namespace tovik
