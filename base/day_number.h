#pragma once
#include <cstdint>

namespace tovik {

// A calendar date; months and days count from 1.
struct CalendarDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Whole days since 30 December 1899 (1 January 1901 is 367). The stored form
// is 16 bits wide; these functions work on the full range so callers can see
// when a date does not fit.
int32_t DayNumberFromDate(int year, int month, int day);
inline int32_t DayNumberFromDate(const CalendarDate& d) {
  return DayNumberFromDate(d.Year, d.Month, d.Day);
}
CalendarDate DateFromDayNumber(int32_t dayNumber);

constexpr int32_t kLastStorableDay = 65535;  // 4 June 2079
inline bool FitsDayNumber(int32_t dayNumber) {
  return dayNumber >= 1 && dayNumber <= kLastStorableDay;
}

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// 1 = Sunday ... 7 = Saturday.
int WeekdayOfDayNumber(int32_t dayNumber);

}  // namespace tovik
