// The periodic events page's rules: cell numbers, the checks while typing,
// the rows written back and the order of the events.
#include <gtest/gtest.h>

#include "organiser/events.h"

namespace tovik {
namespace {

TEST(CellNumber, LeadingDigitsOfTheTrimmedText) {
  const std::pair<std::wstring_view, int> cases[] = {
      {L"07", 7}, {L" 12 ", 12}, {L"5x", 5}, {L"x5", 0}, {L"", 0}, {L"\t3\r\n", 3}, {L"1 2", 1},
  };
  for (const auto& [cell, number] : cases) EXPECT_EQ(CellNumber(cell), number) << cell.size();
}

TEST(IsEventCellAccepted, MonthDayAndTextChecks) {
  const std::wstring seventy(70, L'x'), seventyOne(71, L'x');
  struct Case {
    int column;
    std::wstring_view text, month;
    bool accepted;
  } cases[] = {
      {0, L"14", L"", true},   {0, L"15", L"", false},      {0, L"1", L"", true},
      {1, L"28", L"02", true}, {1, L"29", L"02", false},  // 29 February is refused
      {1, L"30", L"04", true}, {1, L"31", L"04", false},    {1, L"31", L"13", true},
      {1, L"7", L"14", true},  {1, L"8", L"14", false},     {1, L"1", L"", false},
      {1, L"1", L"15", false}, {1, L"", L"", true},         {1, L"31", L"12", true},
      {2, seventy, L"", true}, {2, seventyOne, L"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsEventCellAccepted(c.column, c.text, c.month), c.accepted)
        << c.column << " " << c.text.size() << " " << c.month.size();
  }
}

// Rows need not follow each other: incomplete rows drop out and the events
// behind them close up; texts are stored without their blanks.
TEST(EventRowsToStore, IncompleteRowsDropOut) {
  const std::vector<EventRow> rows = {
      {L"", L"", L""},         {L"05", L"01", L"  Mum  "}, {L"03", L"", L"no day"},
      {L"", L"04", L"no mo"},  {L"12", L"24", L"\r\n"},    {L"13", L"15", L"Rent"},
      {L"15", L"01", L"kept"},
  };
  const std::vector<EventRowItem> items = EventRowsToStore(rows);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Month, 5);
  EXPECT_EQ(items[0].Text, L"Mum");
  EXPECT_EQ(items[1].Month, 13);
  EXPECT_EQ(items[2].Month, 15);  // a refused month that was left is stored as typed
}

TEST(SortEvents, ByMonthAndDayWithMonthlyAndWeeklyLast) {
  std::vector<PeriodicEvent> events = {
      {14, 2, {}}, {12, 24, {}}, {13, 1, {}}, {1, 5, {}}, {3, 8, {}}};
  SortEvents(events);
  std::vector<int> keys;
  for (const PeriodicEvent& e : events) keys.push_back(e.Month * 100 + e.Day);
  EXPECT_EQ(keys, (std::vector<int>{105, 308, 1224, 1301, 1402}));
}

}  // namespace
}  // namespace tovik
