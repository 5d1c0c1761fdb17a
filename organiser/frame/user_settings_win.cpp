#include "organiser/frame/user_settings_win.h"

#include "organiser/frame/color_dialog_win.h"
#include "organiser/frame/menu_win.h"
#include "organiser/pages/appointments_page_win.h"
#include "ui/colors_win.h"
#include "ui/panel_win.h"

namespace tovik {

bool UserSettings::OnCommand(Command command) {
  switch (command) {
    case Command::RunCheckTovikOnStartup:
      ToggleOption(&RegistryOptions::RunCheckTovikOnStartup);
      return true;
    case Command::AlwaysMinimizeToSystray:
      ToggleOption(&RegistryOptions::AlwaysMinimizeToSystray);
      return true;
    case Command::ExtendLookAheadDays:
      ToggleOption(&RegistryOptions::ExtendLookAheadDays);
      return true;
    case Command::ResetColorsToWindowsDefaults:
      ResetColors();
      return true;
    case Command::BackgroundColor:
      ChooseColor(ColorDialogKind::Background);
      return true;
    case Command::FontColor:
      ChooseColor(ColorDialogKind::Font);
      return true;
    case Command::StartWeekSunday:
      SetStartOfWeek(WeekStart::Sunday);
      return true;
    case Command::StartWeekMonday:
      SetStartOfWeek(WeekStart::Monday);
      return true;
    case Command::WeekOneFirstJanuary:
      SetWeekRule(1);
      return true;
    case Command::WeekOneFirstFullWeek:
      SetWeekRule(2);
      return true;
    case Command::WeekOneFourDays:
      SetWeekRule(3);
      return true;
    default:
      break;
  }
  const std::optional<Language> language = LanguageOfCommand(command);
  if (language) ChooseLanguage(*language);
  return language.has_value();
}

void UserSettings::ReadOptions(std::wstring reminderPath) {
  reminderPath_ = std::move(reminderPath);
  options_ = ReadRegistryOptions(options_);
  ShowRegistryTicks();
}

// A language is written to the file before it is shown.
void UserSettings::ChooseLanguage(Language language) {
  args_.store().Header.LanguageId = language;
  args_.saveHeader();
  args_.applyLanguage();
}

// Every toggle writes all three options again, so a wrong Run path is put
// right by the next toggle of any of them.
void UserSettings::ToggleOption(bool RegistryOptions::*option) {
  options_.*option = !(options_.*option);
  ShowRegistryTicks();
  if (option == &RegistryOptions::AlwaysMinimizeToSystray) {
    args_.trayOption(options_.AlwaysMinimizeToSystray);
  }
  WriteRegistryOptions(options_, reminderPath_);
}

void UserSettings::ShowRegistryTicks() {
  args_.menu->SetTicked(Command::RunCheckTovikOnStartup, options_.RunCheckTovikOnStartup);
  args_.menu->SetTicked(Command::AlwaysMinimizeToSystray, options_.AlwaysMinimizeToSystray);
  args_.menu->SetTicked(Command::ExtendLookAheadDays, options_.ExtendLookAheadDays);
}

// The dialog opens with the colour the panels (or the labels) show now; a
// cancelled dialog changes nothing and writes nothing.
void UserSettings::ChooseColor(ColorDialogKind kind) {
  const bool background = kind == ColorDialogKind::Background;
  FileHeader& header = args_.store().Header;
  int32_t& setting = background ? header.BackgroundColor : header.FontColor;
  setting = background ? args_.topPanel->Color() : args_.topPanel->FontColor();
  const COLORREF initial = ui::ResolveColor(setting);
  const std::optional<COLORREF> chosen =
      args_.chooseColor ? args_.chooseColor(kind, initial)
                        : RunColorDialog({.owner = args_.owner,
                                          .initial = initial,
                                          .customColors = background ? customBackgrounds_.data()
                                                                     : customFontColors_.data(),
                                          .fullOpen = background});
  if (!chosen) return;
  setting = static_cast<int32_t>(*chosen);
  args_.saveHeader();
  args_.applyLanguage();
}

void UserSettings::ResetColors() {
  FileHeader& header = args_.store().Header;
  header.BackgroundColor = kDefaultBackground;
  header.FontColor = kDefaultFont;
  args_.saveHeader();
  args_.applyLanguage();
}

// The calendar lays the month out again at once; the week label keeps its
// number until another day is shown.
void UserSettings::SetStartOfWeek(WeekStart start) {
  args_.appointments->Calendar().SetStartOfWeek(CalendarStartOfWeek(start));
  args_.store().Header.WeekStartDay = start;
  ShowWeekSettingTicks();
  args_.saveHeader();
}

void UserSettings::SetWeekRule(int rule) {
  args_.store().Header.FirstWeekRule = rule;
  ShowWeekSettingTicks();
  args_.saveHeader();
  args_.appointments->ShowWeekNumber();
}

void UserSettings::ShowWeekSettingTicks() {
  const FileHeader& header = args_.store().Header;
  MainMenuBar& menu = *args_.menu;
  menu.SetTicked(Command::StartWeekSunday, header.WeekStartDay == WeekStart::Sunday);
  menu.SetTicked(Command::StartWeekMonday, header.WeekStartDay == WeekStart::Monday);
  menu.SetTicked(Command::WeekOneFirstJanuary, header.FirstWeekRule == 1);
  menu.SetTicked(Command::WeekOneFirstFullWeek, header.FirstWeekRule == 2);
  menu.SetTicked(Command::WeekOneFourDays, header.FirstWeekRule == 3);
}

}  // namespace tovik
