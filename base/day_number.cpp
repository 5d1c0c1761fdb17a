#include "base/day_number.h"

namespace tovik {

namespace {
// Days from 1 January 1970 in the proleptic Gregorian calendar (H. Hinnant's
// civil-date algorithms), shifted so that 30 December 1899 is day 0.
constexpr int32_t kEpochShift = 25569;

int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
}  // namespace

int32_t DayNumberFromDate(int year, int month, int day) {
  return static_cast<int32_t>(DaysFromCivil(year, month, day) + kEpochShift);
}

CalendarDate DateFromDayNumber(int32_t dayNumber) {
  int64_t z = int64_t{dayNumber} - kEpochShift + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int WeekdayOfDayNumber(int32_t dayNumber) {
  // Day 0 (30 December 1899) was a Saturday.
  int r = static_cast<int>((int64_t{dayNumber} + 6) % 7);
  if (r < 0) r += 7;
  return r + 1;
}

}  // namespace tovik
