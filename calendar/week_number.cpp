#include "calendar/week_number.h"

#include "base/day_number.h"

namespace tovik {

namespace {

// Position of a day within its week, 0 for the week's first day.
int PositionInWeek(int32_t day, int startOfWeek) {
  const int p = static_cast<int>((int64_t{day} + 6 - startOfWeek) % 7);
  return p < 0 ? p + 7 : p;
}

int32_t FirstDayOfWeek(int32_t day, int startOfWeek) {
  return day - PositionInWeek(day, startOfWeek);
}

// A week is numbered in the year of its anchor day: its last day when the
// week of 1 January is week 1, its first day when the first full week is,
// and its fourth day when the first week with four days in January is.
int AnchorOffset(int rule) {
  switch (rule) {
    case kWeekOfFirstJanuary:
      return 6;
    case kFirstFourDayWeek:
      return 3;
    default:
      return 0;
  }
}

}  // namespace

// December days whose week is anchored in the next January belong to that
// year's week 1, like the January days of the same week; numbering them on
// from their own year would give a week 53 or 54 that ends after two days.
int WeekNumber(int32_t dayNumber, int startOfWeek, int rule) {
  const int k = AnchorOffset(rule);
  const int year = DateFromDayNumber(dayNumber).Year;
  const int32_t anchor = FirstDayOfWeek(dayNumber, startOfWeek) + k;
  if (anchor >= DayNumberFromDate(year + 1, 1, 1)) return 1;
  const int32_t jan1 = DayNumberFromDate(year, 1, 1);
  if (anchor >= jan1) return (anchor - jan1) / 7 + 1;
  // The first days of January in the previous year's last week.
  const int32_t lastAnchor = FirstDayOfWeek(jan1 - 1, startOfWeek) + k;
  return (lastAnchor - DayNumberFromDate(year - 1, 1, 1)) / 7 + 1;
}

std::string WeekNumberText(int32_t dayNumber, int startOfWeek, int rule) {
  return std::to_string(WeekNumber(dayNumber, startOfWeek, rule) + 100).substr(1);
}

}  // namespace tovik
