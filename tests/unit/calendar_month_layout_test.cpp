#include <gtest/gtest.h>

#include "calendar/month_layout.h"

namespace tovik {
namespace {

constexpr int kSunday = 0;
constexpr int kMonday = 1;

TEST(MonthLayout, DayOneLandsInRowOneInItsWeekdaysColumn) {
  struct {
    int year, month, startOfWeek, offset;
  } const cases[] = {
      {2023, 1, kMonday, -5},                          // 1 January 2023 is a Sunday: last column
      {2024, 1, kMonday, 1},                           // a Monday: first column
      {2024, 6, kSunday, -5},                          // a Saturday with Sunday first: last column
      {2023, 1, kSunday, 1},  {2024, 3, kMonday, -3},  // a Friday
      {2024, 3, 4, 0},                                 // Thursday first
  };
  for (const auto& c : cases) {
    const int offset = MonthOffsetOf(c.year, c.month, c.startOfWeek);
    EXPECT_EQ(offset, c.offset) << c.year << "-" << c.month << " S=" << c.startOfWeek;
    const GridCell first = CellOfDay(1, offset);
    EXPECT_EQ(first.Row, 1);
    EXPECT_EQ(WeekdayOfColumn(first.Column, c.startOfWeek),
              WeekdayOfDayNumber(DayNumberFromDate(c.year, c.month, 1)) - 1);
  }
}

TEST(MonthLayout, EveryDayOfEveryMonthFitsSixRowsAndRoundTrips) {
  for (int startOfWeek = 0; startOfWeek < 7; ++startOfWeek) {
    for (int month = 1; month <= 12; ++month) {
      for (int year : {2023, 2024, 2026}) {
        const int offset = MonthOffsetOf(year, month, startOfWeek);
        ASSERT_GE(offset, -5);
        ASSERT_LE(offset, 1);
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
          const GridCell cell = CellOfDay(day, offset);
          ASSERT_GE(cell.Row, 1);
          ASSERT_LE(cell.Row, 6);
          ASSERT_EQ(DayOfCell(cell, offset), day);
        }
      }
    }
  }
  // The widest month: 31 days from the last column puts day 31 in column 1 of row 6.
  EXPECT_EQ(CellOfDay(31, -5), (GridCell{1, 6}));
}

struct ElementCase {
  CalendarDate date;
  DateElement element;
  int value;
  std::optional<CalendarDate> result;
};

TEST(WithDateElement, SetsAndCutsOrIgnores) {
  using E = DateElement;
  const ElementCase cases[] = {
      {{2024, 1, 31}, E::Month, 2, CalendarDate{2024, 2, 29}},
      {{2023, 1, 31}, E::Month, 2, CalendarDate{2023, 2, 28}},
      {{2024, 2, 29}, E::Year, 2025, CalendarDate{2025, 2, 28}},
      {{2024, 2, 29}, E::Year, 2028, CalendarDate{2028, 2, 29}},
      {{2024, 4, 10}, E::Day, 30, CalendarDate{2024, 4, 30}},
      {{2024, 4, 10}, E::Day, 31, std::nullopt},
      {{2024, 4, 10}, E::Day, 0, std::nullopt},
      {{2024, 4, 10}, E::Day, -3, std::nullopt},
      {{2024, 4, 10}, E::Day, 10, std::nullopt},
      {{2024, 4, 10}, E::Month, 13, std::nullopt},
      {{2024, 4, 10}, E::Month, 4, std::nullopt},
      {{2024, 4, 10}, E::Month, 0, std::nullopt},
      {{2024, 4, 10}, E::Year, 2024, std::nullopt},
      {{2024, 4, 10}, E::Year, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithDateElement(c.date, c.element, c.value), c.result)
        << static_cast<int>(c.element) << "=" << c.value;
  }
}

TEST(DayTextColor, MarkedRedOrYellowElseBlackOrWhite) {
  EXPECT_EQ(DayTextColor(true, true), 0x0000FFFFu);
  EXPECT_EQ(DayTextColor(true, false), 0x000000FFu);
  EXPECT_EQ(DayTextColor(false, true), 0x00FFFFFFu);
  EXPECT_EQ(DayTextColor(false, false), 0x00000000u);
}

TEST(IsDayMarked, ReadsBitDayMinusOne) {
  const uint32_t marks = (1u << 0) | (1u << 30);
  EXPECT_TRUE(IsDayMarked(marks, 1));
  EXPECT_FALSE(IsDayMarked(marks, 2));
  EXPECT_TRUE(IsDayMarked(marks, 31));
  EXPECT_TRUE(IsDayMarked(0x80000000u, 32));
  EXPECT_FALSE(IsDayMarked(0xFFFFFFFFu, 0));
}

// Names measured at 6 pixels a character: one form for the whole row, the
// abbreviated names while all of them fit, else the shortest ones, cut
// where they must be.
TEST(MonthLayout, HeaderDayNamesFitTheirCells) {
  const auto width = [](std::wstring_view name) { return static_cast<int>(name.size()) * 6; };
  const DayNames danish{L"s\u00f8n.", L"man.", L"tirs.", L"ons.", L"tors.", L"fre.", L"l\u00f8r."};
  const DayNames shortest{L"s\u00f8", L"ma", L"ti", L"on", L"to", L"fr", L"l\u00f8"};
  const DayNames cut{L"s\u00f8n", L"man", L"tir", L"ons", L"tor", L"fre", L"l\u00f8r"};
  const DayNames single{L"s", L"m", L"t", L"o", L"t", L"f", L"l"};
  EXPECT_EQ(HeaderDayNames(danish, shortest, 30, width), danish);
  EXPECT_EQ(HeaderDayNames(danish, shortest, 29, width), shortest);
  EXPECT_EQ(HeaderDayNames(danish, DayNames{}, 20, width), cut);
  EXPECT_EQ(HeaderDayNames(danish, shortest, 3, width), single);
}

}  // namespace
}  // namespace tovik
