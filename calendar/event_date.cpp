#include "calendar/event_date.h"

#include "base/day_number.h"

namespace tovik {

EventToday::EventToday(int32_t today)
    : DayNumber(today), Date(DateFromDayNumber(today)), Weekday(WeekdayOfDayNumber(today)) {}

std::optional<int32_t> EventDueDate(uint8_t eventMonth, uint8_t eventDay, const EventToday& today) {
  if (eventMonth == 0 || eventDay == 0) return std::nullopt;
  const CalendarDate& now = today.Date;
  int month = eventMonth;
  int day = eventDay;
  if (month == kEveryMonth)
    month = day < now.Day ? (now.Month == 12 ? 1 : now.Month + 1) : now.Month;
  // A weekly event is only ever placed on today; on other days its month stays
  // 14 and it is dropped below.
  if (month == kEveryWeek && day == today.Weekday) {
    month = now.Month;
    day = now.Day;
  }
  const bool thisYear = month > now.Month || (month == now.Month && day >= now.Day);
  const int year = thisYear ? now.Year : now.Year + 1;
  // Events on the 29th to 31st fall on the last day of shorter months.
  if (month == 2 && day > 28) day = IsLeapYear(year) ? 29 : 28;
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) day = 30;
  if (month >= kEveryMonth) return std::nullopt;
  // Only a damaged file has such a day; the event is skipped, not fatal.
  if (day > 31) return std::nullopt;
  return DayNumberFromDate(year, month, day);
}

}  // namespace tovik
