#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "organiser/languages/targets.h"
#include "store/data_file.h"

namespace tovik {

// Every command of the organiser's frame: the menu items, the accelerators
// and the buttons of the frame share these numbers, and one OnCommand switch
// handles them. The values are the Win32 command identifiers.
enum class Command : int {
  None = 0,
  // File
  SaveDiary = 101,
  PrintDate,
  PrintAll,
  Exit,
  ExportICalendar,
  // Lingua: LanguageId 1..8 in menu order
  LanDanish = 111,
  LanEnglish,
  LanGerman,
  LanFrench,
  LanSpanish,
  LanNederlands,
  LanRussian,
  LanPortuguese,
  // Options
  RunCheckTovikOnStartup = 121,
  AlwaysMinimizeToSystray,
  ExtendLookAheadDays,
  ResetColorsToWindowsDefaults,
  BackgroundColor,
  FontColor,
  StartWeekSunday,
  StartWeekMonday,
  WeekOneFirstJanuary,
  WeekOneFirstFullWeek,
  WeekOneFourDays,
  CalendarServer,
  // Help
  WhatIs = 141,
  Contents,
  VisitWebsite,
  About,
  // Outside the menu
  HelpOnFocus = 151,  // F1
  ExitButton,         // btnExit
};

enum class MenuItemKind {
  Separator,
  Command,
  Toggle,    // a tick that the item flips
  Radio,     // one ticked item per radio group
  CheckMark  // ticked by the same rule as a radio item, drawn as a check
};

struct MenuItemSpec {
  Command command = Command::None;  // None for a separator
  Target target = {};               // the item as the language rows name it
  MenuItemKind kind = MenuItemKind::Separator;
  std::string_view shortcut = {};  // as the menu shows it after the caption
  int radioGroup = 0;              // items of one group untick each other
  // Captions that no language changes; empty when the language table sets it.
  std::string_view fixedCaption = {};
};

struct MenuSpec {
  Target target;
  std::string_view fixedCaption;  // empty when the language table sets it
  std::span<const MenuItemSpec> items;
};

// The main menu, top to bottom and left to right.
std::span<const MenuSpec> MainMenu();

// The item or button name of a command ("miExit", "btnExit"), which names the
// sender of an error that escapes its handler.
std::string_view CommandName(Command command);
Command CommandFromId(int id);

// The language of a language command.
std::optional<Language> LanguageOfCommand(Command command);
Command LanguageCommand(Language language);

// The File menu's four items when the user picks a page of pgcTop (0 the
// calendar page, 1 the events, 2 the notes): all on the calendar page, only
// the whole printout and the calendar file on the events page, none on the
// notes page.
bool IsFileItemEnabledOn(Command command, int page);

}  // namespace tovik
