#include "organiser/frame/commands.h"

#include <array>

#include "organiser/languages/language_texts.h"

namespace tovik {
namespace {

using K = MenuItemKind;

constexpr MenuItemSpec kSeparator{};

constexpr std::array kFileItems{
    MenuItemSpec{Command::SaveDiary, Target::miSaveDiary, K::Command, "Ctrl+S"},
    MenuItemSpec{Command::ExportICalendar, Target::miExportICalendar, K::Command},
    MenuItemSpec{Command::PrintDate, Target::miPrintDate, K::Command, "Ctrl+P"},
    MenuItemSpec{Command::PrintAll, Target::miPrintAll, K::Command},
    kSeparator,
    MenuItemSpec{Command::Exit, Target::miExit, K::Command},
};

// Languages 1 to 5 are radio items, 6 to 8 plain items with a check mark; one
// rule ticks them all.
constexpr int kLanguageGroup = 1;
constexpr std::array kLinguaItems{
    MenuItemSpec{Command::LanDanish, Target::miLanDanish, K::Radio, {}, kLanguageGroup, "Dansk"},
    MenuItemSpec{
        Command::LanEnglish, Target::miLanEnglish, K::Radio, {}, kLanguageGroup, "English"},
    MenuItemSpec{Command::LanGerman, Target::miLanGerman, K::Radio, {}, kLanguageGroup, "Deutsch"},
    MenuItemSpec{Command::LanFrench, Target::miLanFrench, K::Radio, {}, kLanguageGroup, "Francais"},
    MenuItemSpec{
        Command::LanSpanish, Target::miLanSpanish, K::Radio, {}, kLanguageGroup, "Espa\xC3\xB1ol"},
    MenuItemSpec{Command::LanNederlands,
                 Target::miLanNederlands,
                 K::CheckMark,
                 {},
                 kLanguageGroup,
                 "Nederlands"},
    MenuItemSpec{Command::LanRussian,
                 Target::miLanRussian,
                 K::CheckMark,
                 {},
                 kLanguageGroup,
                 "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"},
    MenuItemSpec{Command::LanPortuguese,
                 Target::miLanPortuguese,
                 K::CheckMark,
                 {},
                 kLanguageGroup,
                 "Portugese"},
};

constexpr int kStartOfWeekGroup = 2;
constexpr int kWeekRuleGroup = 3;
constexpr std::array kOptionsItems{
    MenuItemSpec{Command::RunCheckTovikOnStartup, Target::miRunCheckTovikOnStartup, K::Toggle},
    kSeparator,
    MenuItemSpec{Command::AlwaysMinimizeToSystray, Target::miAlwaysMinimizeToSystray, K::Toggle},
    MenuItemSpec{Command::ExtendLookAheadDays, Target::miExtendLookAheadDays, K::Toggle},
    kSeparator,
    MenuItemSpec{Command::ResetColorsToWindowsDefaults, Target::miResetColorsTolWindowsDefaults,
                 K::Command},
    MenuItemSpec{Command::BackgroundColor, Target::miBackgroundColor, K::Command},
    MenuItemSpec{Command::FontColor, Target::miFontColor, K::Command},
    kSeparator,
    MenuItemSpec{Command::StartWeekSunday, Target::miSOW_S, K::Radio, {}, kStartOfWeekGroup},
    MenuItemSpec{Command::StartWeekMonday, Target::miSOW_M, K::Radio, {}, kStartOfWeekGroup},
    kSeparator,
    MenuItemSpec{Command::WeekOneFirstJanuary, Target::miFWOY_1, K::Radio, {}, kWeekRuleGroup},
    MenuItemSpec{Command::WeekOneFirstFullWeek, Target::miFWOY_H, K::Radio, {}, kWeekRuleGroup},
    MenuItemSpec{Command::WeekOneFourDays, Target::miFWOY_4, K::Radio, {}, kWeekRuleGroup},
    kSeparator,
    MenuItemSpec{Command::CalendarServer, Target::miCalendarServer, K::Command},
};

constexpr std::array kHelpItems{
    MenuItemSpec{Command::WhatIs, Target::miWhatIs, K::Command, "Shift+F1"},
    MenuItemSpec{Command::Contents, Target::miContents, K::Command},
    kSeparator,
    MenuItemSpec{Command::VisitWebsite, Target::miVisitWebsite, K::Command},
    kSeparator,
    MenuItemSpec{Command::About, Target::miAbout, K::Command},
};

constexpr std::array kMainMenu{
    MenuSpec{Target::miFile, {}, kFileItems},
    MenuSpec{Target::miLingua, "Lingua", kLinguaItems},
    MenuSpec{Target::miOptions, {}, kOptionsItems},
    MenuSpec{Target::miHelp, {}, kHelpItems},
};

}  // namespace

std::span<const MenuSpec> MainMenu() {
  return kMainMenu;
}

std::string_view CommandName(Command command) {
  switch (command) {
    case Command::HelpOnFocus:
      return "TovikMain";
    case Command::ExitButton:
      return "btnExit";
    default:
      break;
  }
  for (const MenuSpec& menu : kMainMenu) {
    for (const MenuItemSpec& item : menu.items) {
      if (item.command == command && command != Command::None) return TargetName(item.target);
    }
  }
  return {};
}

Command CommandFromId(int id) {
  const auto command = static_cast<Command>(id);
  return CommandName(command).empty() ? Command::None : command;
}

std::optional<Language> LanguageOfCommand(Command command) {
  const auto language =
      static_cast<Language>(static_cast<int>(command) - static_cast<int>(Command::LanDanish) + 1);
  if (!IsLanguage(language)) return std::nullopt;
  return language;
}

Command LanguageCommand(Language language) {
  if (!IsLanguage(language)) return Command::None;
  return static_cast<Command>(static_cast<int>(Command::LanDanish) + static_cast<int>(language) -
                              1);
}

bool IsFileItemEnabledOn(Command command, int page) {
  if (page == 0) return true;
  return page == 1 && (command == Command::PrintAll || command == Command::ExportICalendar);
}

}  // namespace tovik
