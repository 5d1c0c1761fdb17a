// ApplyLanguage: the texts, ticks, colours and help contexts of both windows.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "base/wide_text_win.h"
#include "organiser/frame/TovikMain_win.h"

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

// English is the base layer under the chosen language. Each text is set
// once, to what the English pass and then the language's own pass would
// leave, which nobody can tell from setting it twice.
void TTovikMain::ApplyLanguage() {
  SetLanguageTexts(ShownLanguageRows(store_->LanguageId));
}

void TTovikMain::SetLanguageTexts(const std::vector<LanguageRow>& rows) {
  const Language language = store_->LanguageId;
  for (int id = 1; id <= kLanguageCount; ++id) {
    const auto each = static_cast<Language>(id);
    menu_.SetTicked(LanguageCommand(each), each == language);
  }
  ApplyColors();
  appointments_->ShowDate();
  for (const LanguageRow& row : rows) SetRowText(row);
  DrawMenuBar(hwnd());
  CopyDialCaption();
  ApplyHelpContexts();
  appointments_->ShowFeasts();
}

// The notes page's dial button repeats the calendar page's caption.
void TTovikMain::CopyDialCaption() {
  if (!notes_) return;
  wchar_t caption[64] = {};
  GetWindowTextW(appointments_->ControlOf(Target::btnAppDial), caption, 64);
  SetWindowTextW(notes_->ControlOf(Target::btnTodoDial), caption);
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
      return events_ ? events_->ControlOf(target) : nullptr;
    case TargetOwner::NotesPage:
      return notes_ ? notes_->ControlOf(target) : nullptr;
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
      if (const HWND control = ControlOf(row.target)) tooltips_->Set(control, text);
      return;
    case TextKind::GridHeading1:
    case TextKind::GridHeading2:
    case TextKind::GridHeading3:
      if (events_) {
        events_->SetHeading(static_cast<int>(row.kind) - static_cast<int>(TextKind::GridHeading1),
                            text);
      }
      return;
    case TextKind::Variable:
      texts_[row.target] = std::string(row.text);
      return;
  }
}

std::wstring TTovikMain::HintOf(HWND control) const {
  return tooltips_->Shown(control);
}

std::string TTovikMain::LanguageText(Target target) const {
  const auto found = texts_.find(target);
  return found == texts_.end() ? std::string() : found->second;
}

// Every panel takes the background colour and every label on it the font
// colour, in both windows.
void TTovikMain::ApplyColors() {
  const int32_t color = store_->BackgroundColor;
  const int32_t fontColor = store_->FontColor;
  if (about_) about_->SetColors(color, fontColor);
  pnlTop_->SetColors(color, fontColor);
  pnlBottom_->SetColors(color, fontColor);
  if (notes_) notes_->InnerPanel().SetColors(color, fontColor);
  for (int i = 0; i < 3; ++i) {
    if (OrganiserPage* page = PageAt(i)) page->Panel().SetColors(color, fontColor);
  }
}

void TTovikMain::ApplyHelpContexts() {
  const HelpContexts contexts = HelpContextsOf(store_->LanguageId);
  for (int i = 0; i < 3; ++i) {
    if (OrganiserPage* page = PageAt(i)) page->ApplyHelpContexts(contexts);
  }
}

}  // namespace tovik
