#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/day_number.h"

namespace tovik {

// The arithmetic of the month calendar: seven columns, a header row of
// weekday names (row 0) and six rows of days (rows 1 to 6).
constexpr int kCalendarColumns = 7;
constexpr int kCalendarRows = 7;

struct GridCell {
  int Column = 0;
  int Row = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The day that column 0 of row 1 stands for (-5 to 1), so that day 1 lands in
// row 1 in the column of its weekday; startOfWeek is the weekday of column 0
// (0 = Sunday ... 6 = Saturday).
int MonthOffsetOf(int year, int month, int startOfWeek);

// The number a day cell stands for; outside 1 .. month length the cell is
// empty. Meaningful for rows 1 to 6.
int DayOfCell(GridCell cell, int monthOffset);
GridCell CellOfDay(int day, int monthOffset);

// Weekday (0 = Sunday) named in a column of the header row.
int WeekdayOfColumn(int column, int startOfWeek);

// The header's names of the seven weekdays (index 0 = Sunday): the
// abbreviated names when every one of them is at most `room` wide, else the
// shortest names (or the abbreviated ones where a shortest is missing), each
// cut to the leading characters that fit, but never to nothing.
using DayNames = std::array<std::wstring, 7>;
DayNames HeaderDayNames(const DayNames& abbreviated, const DayNames& shortest, int room,
                        const std::function<int(std::wstring_view)>& width);

// The date after setting one element of it (1 year, 2 month, 3 day) to a
// value, or nothing when the value is ignored: below 1, above 12 for a
// month, past the month's end for a day, or equal to the current element.
// A new year or month cuts the day to the new month's length.
enum class DateElement { Year = 1, Month = 2, Day = 3 };
std::optional<CalendarDate> WithDateElement(const CalendarDate& date, DateElement element,
                                            int value);

// The font colour (0x00BBGGRR) of a day: red when marked, yellow when marked
// and current, white when current, else black.
uint32_t DayTextColor(bool marked, bool current);

// Whether bit day - 1 of a day-marks mask is set.
bool IsDayMarked(uint32_t eventDates, int day);

}  // namespace tovik
