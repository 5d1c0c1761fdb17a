#include "calendar/month_layout.h"

#include <algorithm>

namespace tovik {

int MonthOffsetOf(int year, int month, int startOfWeek) {
  const int w = WeekdayOfDayNumber(DayNumberFromDate(year, month, 1));  // 1 = Sunday
  const int offset = 2 - ((w - startOfWeek + 7) % 7);
  // A month starting on the week's first day would otherwise leave row 1
  // empty and need a seventh row.
  return offset == 2 ? -5 : offset;
}

int DayOfCell(GridCell cell, int monthOffset) {
  return monthOffset + cell.Column + (cell.Row - 1) * kCalendarColumns;
}

GridCell CellOfDay(int day, int monthOffset) {
  return {(day - monthOffset) % kCalendarColumns, (day - monthOffset) / kCalendarColumns + 1};
}

int WeekdayOfColumn(int column, int startOfWeek) {
  return (startOfWeek + column) % 7;
}

// One form for the whole row, so that the names read alike.
DayNames HeaderDayNames(const DayNames& abbreviated, const DayNames& shortest, int room,
                        const std::function<int(std::wstring_view)>& width) {
  const auto fits = [&](std::wstring_view name) { return width(name) <= room; };
  if (std::all_of(abbreviated.begin(), abbreviated.end(), fits)) return abbreviated;
  DayNames names;
  for (size_t day = 0; day < names.size(); ++day) {
    std::wstring name = shortest[day].empty() ? abbreviated[day] : shortest[day];
    while (name.size() > 1 && !fits(name)) name.pop_back();
    names[day] = std::move(name);
  }
  return names;
}

std::optional<CalendarDate> WithDateElement(const CalendarDate& date, DateElement element,
                                            int value) {
  if (value < 1) return std::nullopt;
  CalendarDate result = date;
  switch (element) {
    case DateElement::Year:
      if (value == date.Year) return std::nullopt;
      result.Year = value;
      break;
    case DateElement::Month:
      if (value > 12 || value == date.Month) return std::nullopt;
      result.Month = value;
      break;
    case DateElement::Day:
      if (value > DaysInMonth(date.Year, date.Month) || value == date.Day) return std::nullopt;
      result.Day = value;
      return result;
  }
  const int length = DaysInMonth(result.Year, result.Month);
  if (result.Day > length) result.Day = length;
  return result;
}

uint32_t DayTextColor(bool marked, bool current) {
  if (marked) return current ? 0x0000FFFF : 0x000000FF;
  return current ? 0x00FFFFFF : 0x00000000;
}

bool IsDayMarked(uint32_t eventDates, int day) {
  return day >= 1 && day <= 32 && (eventDates >> (day - 1) & 1) != 0;
}

}  // namespace tovik
