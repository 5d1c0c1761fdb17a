#pragma once
#include <cstdint>
#include <string>

#include "base/day_number.h"
#include "base/language.h"
#include "calendar/date_format.h"

namespace tovik {

// Easter Sunday of a Gregorian year by the computus.
CalendarDate EasterSunday(int year);

// The DayNumber of Easter Sunday from the closed form the organiser has
// always used; it treats every fourth year as a leap year, which holds for
// 1901 to 2099.
int32_t EasterDayNumber(int year);

// The lines of the movable feasts of a year in an interface language
// (LanguageId), each a name and the day and month in the order of the
// locale's short date, joined by LF CR. Empty for languages without feast
// names.
std::string FeastLines(int year, Language language, DateFormatter& formatter);

}  // namespace tovik
