#include <gtest/gtest.h>

#include <tuple>

#include "organiser/pages/events.h"

namespace tovik {
namespace {

// Months go to 14, days to the month's last (28 in February, 7 weekly, none without a
// month), texts to 70 characters; a cell's number is its leading digits, blanks trimmed.
TEST(EventsPage, ChecksWhileTyping) {
  const std::tuple<int, std::wstring_view, int> lastAccepted[] = {
      {0, L"", 14},   {1, L"\t02\r\n", 28}, {1, L"4x", 30}, {1, L"1 4", 31},
      {1, L"13", 31}, {1, L"14", 7},        {1, L"x5", 0},  {1, L"15", 0}};
  for (const auto& [column, month, last] : lastAccepted) {
    EXPECT_TRUE(IsEventCellAccepted(column, L" " + std::to_wstring(last), month)) << last;
    EXPECT_FALSE(IsEventCellAccepted(column, std::to_wstring(last + 1), month)) << last;
  }
  EXPECT_TRUE(IsEventCellAccepted(2, std::wstring(70, L'x'), L""));
  EXPECT_FALSE(IsEventCellAccepted(2, std::wstring(71, L'x'), L""));
}

// Incomplete rows drop out, texts lose their blanks, a refused month left is stored
// as typed; monthly and weekly events sort after December.
TEST(EventsPage, RowsToStoreAndTheirOrder) {
  const std::vector<EventRow> rows = {{L"", L"", L""},         {L"05", L"01", L" Mum "},
                                      {L"03", L"", L"x"},      {L"", L"04", L"x"},
                                      {L"12", L"24", L"\r\n"}, {L"15", L"01", L"kept"}};
  std::wstring stored;
  for (const EventRowItem& i : EventRowsToStore(rows))
    stored += std::to_wstring(i.Month) + L"/" + std::to_wstring(i.Day) + L" " + i.Text + L";";
  EXPECT_EQ(stored, L"5/1 Mum;15/1 kept;");
  std::vector<PeriodicEvent> events = {{14, 2, {}}, {12, 24, {}}, {13, 1, {}}, {12, 5, {}}};
  SortEvents(events);
  std::vector<int> keys;
  for (const PeriodicEvent& e : events) keys.push_back(e.Month * 100 + e.Day);
  EXPECT_EQ(keys, (std::vector<int>{1205, 1224, 1301, 1402}));
}

}  // namespace
}  // namespace tovik
