#pragma once
#include <cstdint>
#include <string>

namespace tovik {

// The store's FirstWeekRule values.
enum WeekRule : int {
  kWeekOfFirstJanuary = 1,
  kFirstFullWeek = 2,
  kFirstFourDayWeek = 3,
};

// The week number of a day, with startOfWeek the weekday of a week's first
// day (0 = Sunday ... 6 = Saturday, as the calendar's StartOfWeek) and rule
// one of the WeekRule values (any other counts as the first full week). The
// day is not cut to the stored 16 bits, so days after 4 June 2079 that the
// calendar shows get their own week.
int WeekNumber(int32_t dayNumber, int startOfWeek, int rule);

// The week number as two digits with a leading zero ("01" ... "53").
std::string WeekNumberText(int32_t dayNumber, int startOfWeek, int rule);

}  // namespace tovik
