#include "organiser/commands.h"

#include <array>

#include "organiser/language_texts.h"

namespace tovik {
namespace {

using K = MenuItemKind;

constexpr MenuItemSpec kSeparator{};

constexpr std::array kFileItems{
    MenuItemSpec{Command::SaveDiary, "miSaveDiary", K::Command, "Ctrl+S"},
    MenuItemSpec{Command::PrintDate, "miPrintDate", K::Command, "Ctrl+P"},
    MenuItemSpec{Command::PrintAll, "miPrintAll", K::Command},
    kSeparator,
    MenuItemSpec{Command::Exit, "miExit", K::Command},
};

// Languages 1 to 5 are radio items, 6 to 8 plain items with a check mark; one
// rule ticks them all.
constexpr int kLanguageGroup = 1;
constexpr std::array kLinguaItems{
    MenuItemSpec{Command::LanDanish, "miLanDanish", K::Radio, {}, kLanguageGroup, "Dansk"},
    MenuItemSpec{Command::LanEnglish, "miLanEnglish", K::Radio, {}, kLanguageGroup, "English"},
    MenuItemSpec{Command::LanGerman, "miLanGerman", K::Radio, {}, kLanguageGroup, "Deutsch"},
    MenuItemSpec{Command::LanFrench, "miLanFrench", K::Radio, {}, kLanguageGroup, "Francais"},
    MenuItemSpec{
        Command::LanSpanish, "miLanSpanish", K::Radio, {}, kLanguageGroup, "Espa\xC3\xB1ol"},
    MenuItemSpec{
        Command::LanNederlands, "miLanNederlands", K::CheckMark, {}, kLanguageGroup, "Nederlands"},
    MenuItemSpec{Command::LanRussian,
                 "miLanRussian",
                 K::CheckMark,
                 {},
                 kLanguageGroup,
                 "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"},
    MenuItemSpec{
        Command::LanPortuguese, "miLanPortuguese", K::CheckMark, {}, kLanguageGroup, "Portugese"},
};

constexpr int kStartOfWeekGroup = 2;
constexpr int kWeekRuleGroup = 3;
constexpr std::array kOptionsItems{
    MenuItemSpec{Command::RunCheckTovikOnStartup, "miRunCheckTovikOnStartup", K::Toggle},
    kSeparator,
    MenuItemSpec{Command::AlwaysMinimizeToSystray, "miAlwaysMinimizeToSystray", K::Toggle},
    MenuItemSpec{Command::ExtendLookAheadDays, "miExtendLookAheadDays", K::Toggle},
    kSeparator,
    MenuItemSpec{Command::ResetColorsToWindowsDefaults, "miResetColorsTolWindowsDefaults",
                 K::Command},
    MenuItemSpec{Command::BackgroundColor, "miBackgroundColor", K::Command},
    MenuItemSpec{Command::FontColor, "miFontColor", K::Command},
    kSeparator,
    MenuItemSpec{Command::StartWeekSunday, "miSOW_S", K::Radio, {}, kStartOfWeekGroup},
    MenuItemSpec{Command::StartWeekMonday, "miSOW_M", K::Radio, {}, kStartOfWeekGroup},
    kSeparator,
    MenuItemSpec{Command::WeekOneFirstJanuary, "miFWOY_1", K::Radio, {}, kWeekRuleGroup},
    MenuItemSpec{Command::WeekOneFirstFullWeek, "miFWOY_H", K::Radio, {}, kWeekRuleGroup},
    MenuItemSpec{Command::WeekOneFourDays, "miFWOY_4", K::Radio, {}, kWeekRuleGroup},
};

constexpr std::array kHelpItems{
    MenuItemSpec{Command::WhatIs, "miWhatIs", K::Command, "Shift+F1"},
    MenuItemSpec{Command::Contents, "miContents", K::Command},
    kSeparator,
    MenuItemSpec{Command::VisitWebsite, "miVisitWebsite", K::Command},
    kSeparator,
    MenuItemSpec{Command::About, "miAbout", K::Command},
};

constexpr std::array kMainMenu{
    MenuSpec{"miFile", {}, kFileItems},
    MenuSpec{"miLingua", "Lingua", kLinguaItems},
    MenuSpec{"miOptions", {}, kOptionsItems},
    MenuSpec{"miHelp", {}, kHelpItems},
};

}  // namespace

std::span<const MenuSpec> MainMenu() {
  return kMainMenu;
}

std::string_view CommandName(Command command) {
  switch (command) {
    case Command::HelpOnFocus:
      return "TTovikMain";
    case Command::ExitButton:
      return "btnExit";
    default:
      break;
  }
  for (const MenuSpec& menu : kMainMenu) {
    for (const MenuItemSpec& item : menu.items) {
      if (item.command == command && command != Command::None) return item.name;
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

// Saving the diary and printing arrive with the printing feature; a language
// can be chosen once its texts are in the table.
bool IsCommandBuilt(Command command) {
  switch (command) {
    case Command::SaveDiary:
    case Command::PrintDate:
    case Command::PrintAll:
      return false;
    default:
      break;
  }
  const auto language = LanguageOfCommand(command);
  return !language || HasLanguageTexts(*language);
}

}  // namespace tovik
