#include "organiser/frame/window_language_win.h"

#include <optional>
#include <vector>

#include "base/wide_text_win.h"
#include "organiser/frame/MinAbout_win.h"
#include "organiser/frame/commands.h"
#include "organiser/frame/menu_win.h"
#include "organiser/frame/page_tabs_win.h"
#include "ui/panel_win.h"
#include "ui/tabs_win.h"
#include "ui/tooltips_win.h"

namespace tovik {
namespace {

// The tab of pgcTop whose caption a row sets: the tabs follow the pages.
std::optional<int> TabOf(Target target) {
  switch (target) {
    case Target::psAppointments:
      return 0;
    case Target::psEvents:
      return 1;
    case Target::psTodos:
      return 2;
    default:
      return std::nullopt;
  }
}

}  // namespace

// English is the base layer under the chosen language. Each text is set
// once, to what the English pass and then the language's own pass would
// leave, which nobody can tell from setting it twice. The ticks and colours
// come first, then the shown date, the texts, the help contexts, and last
// the feasts, whose names follow the language.
void WindowLanguage::Apply(const FileHeader& settings) {
  for (int id = 1; id <= kLanguageCount; ++id) {
    const auto each = static_cast<Language>(id);
    s_.menu.SetTicked(LanguageCommand(each), each == settings.LanguageId);
  }
  ApplyColors(settings);
  s_.pages.Appointments().ShowDate();
  for (const LanguageRow& row : ShownLanguageRows(settings.LanguageId)) SetRowText(row);
  s_.pages.PlaceSheets();
  if (s_.about) s_.about->FitTexts();
  DrawMenuBar(s_.window);
  CopyDialCaption();
  ApplyHelpContexts(settings);
  s_.pages.Appointments().ShowFeasts();
}

void WindowLanguage::ApplyToPage(OrganiserPage& page, TargetOwner owner,
                                 const FileHeader& settings) {
  page.Panel().SetColors(settings.BackgroundColor, settings.FontColor);
  if (owner == TargetOwner::NotesPage) {
    s_.pages.MadeNotes()->InnerPanel().SetColors(settings.BackgroundColor, settings.FontColor);
  }
  SetRowTexts(settings, owner);
  if (owner == TargetOwner::NotesPage) CopyDialCaption();
  page.ApplyHelpContexts(HelpContextsOf(settings.LanguageId));
}

void WindowLanguage::ApplyToAbout(TFormAbout& about, const FileHeader& settings) {
  about.SetColors(settings.BackgroundColor, settings.FontColor);
  SetRowTexts(settings, TargetOwner::About);
  about.FitTexts();
}

void WindowLanguage::SetRowTexts(const FileHeader& settings, TargetOwner owner) {
  for (const LanguageRow& row : ShownLanguageRows(settings.LanguageId)) {
    if (OwnerOf(row.target) == owner) SetRowText(row);
  }
}

// The notes page's dial button repeats the calendar page's caption.
void WindowLanguage::CopyDialCaption() {
  if (!s_.pages.MadeNotes()) return;
  wchar_t caption[64] = {};
  GetWindowTextW(s_.pages.Appointments().ControlOf(Target::btnAppDial), caption, 64);
  SetWindowTextW(s_.pages.MadeNotes()->ControlOf(Target::btnTodoDial), caption);
}

HWND WindowLanguage::ControlOf(Target target) const {
  switch (OwnerOf(target)) {
    case TargetOwner::Frame:
      switch (target) {
        case Target::lblWhenDoneExit:
          return s_.lblWhenDoneExit;
        case Target::btnExit:
          return s_.btnExit;
        default:  // the tabs of pgcTop are no controls of their own
          return nullptr;
      }
    case TargetOwner::AppointmentsPage:
      return s_.pages.Appointments().ControlOf(target);
    case TargetOwner::EventsPage:
      return s_.pages.MadeEvents() ? s_.pages.MadeEvents()->ControlOf(target) : nullptr;
    case TargetOwner::NotesPage:
      return s_.pages.MadeNotes() ? s_.pages.MadeNotes()->ControlOf(target) : nullptr;
    case TargetOwner::About:
      return s_.about ? s_.about->ControlOf(target) : nullptr;
    case TargetOwner::Menu:
    case TargetOwner::Texts:
      break;
  }
  return nullptr;
}

void WindowLanguage::SetRowText(const LanguageRow& row) {
  const std::wstring text = Utf8ToWide(row.text);
  switch (row.kind) {
    case TextKind::Text:
      if (OwnerOf(row.target) == TargetOwner::Menu) {
        s_.menu.SetCaption(row.target, row.text);
      } else if (const std::optional<int> tab = TabOf(row.target)) {
        ui::SetTabCaption(s_.pages.hwnd(), *tab, text);
      } else if (const HWND control = ControlOf(row.target)) {
        SetWindowTextW(control, text.c_str());
      }
      return;
    case TextKind::Hint:
      if (const HWND control = ControlOf(row.target)) s_.tooltips.Set(control, text);
      return;
    case TextKind::GridHeading1:
    case TextKind::GridHeading2:
    case TextKind::GridHeading3:
      if (s_.pages.MadeEvents()) {
        s_.pages.MadeEvents()->SetHeading(
            static_cast<int>(row.kind) - static_cast<int>(TextKind::GridHeading1), text);
      }
      return;
    case TextKind::Variable:
      texts_[row.target] = std::string(row.text);
      return;
  }
}

std::wstring WindowLanguage::HintOf(HWND control) const {
  return s_.tooltips.Shown(control);
}

std::string WindowLanguage::Text(Target target) const {
  const auto found = texts_.find(target);
  return found == texts_.end() ? std::string() : found->second;
}

// Every panel takes the background colour and every label on it the font
// colour, in both windows.
void WindowLanguage::ApplyColors(const FileHeader& settings) {
  const int32_t color = settings.BackgroundColor;
  const int32_t fontColor = settings.FontColor;
  if (s_.about) s_.about->SetColors(color, fontColor);
  s_.top.SetColors(color, fontColor);
  s_.bottom.SetColors(color, fontColor);
  if (s_.pages.MadeNotes()) s_.pages.MadeNotes()->InnerPanel().SetColors(color, fontColor);
  for (OrganiserPage* page : s_.pages.Made()) page->Panel().SetColors(color, fontColor);
}

void WindowLanguage::ApplyHelpContexts(const FileHeader& settings) {
  const HelpContexts contexts = HelpContextsOf(settings.LanguageId);
  for (OrganiserPage* page : s_.pages.Made()) page->ApplyHelpContexts(contexts);
}

}  // namespace tovik
