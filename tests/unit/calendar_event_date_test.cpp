#include <gtest/gtest.h>

#include "calendar/event_date.h"
#include "reminder_test_support.h"

namespace tovik {
namespace {
using testing::Day;

TEST(EventDueDate, TurnsPeriodicEventsIntoTheirNextDate) {
  struct Case {
    const char* name;
    int32_t today;
    uint8_t month, day;
    std::optional<int32_t> date;
  };
  const Case cases[] = {
      // Yearly events.
      {"today", Day(2026, 3, 10), 3, 10, Day(2026, 3, 10)},
      {"passed this year", Day(2026, 3, 10), 3, 9, Day(2027, 3, 9)},
      {"later this year", Day(2026, 3, 10), 11, 1, Day(2026, 11, 1)},
      {"year turn", Day(2026, 12, 28), 1, 2, Day(2027, 1, 2)},
      {"31 April", Day(2026, 3, 10), 4, 31, Day(2026, 4, 30)},
      {"29 February next year, common", Day(2026, 3, 10), 2, 29, Day(2027, 2, 28)},
      {"30 February next year, leap", Day(2027, 3, 10), 2, 30, Day(2028, 2, 29)},
      {"31 February this year on the 28th", Day(2027, 2, 28), 2, 31, Day(2027, 2, 28)},
      // Monthly events.
      {"monthly 31 in April", Day(2026, 4, 10), 13, 31, Day(2026, 4, 30)},
      {"monthly 31 in June", Day(2026, 6, 1), 13, 31, Day(2026, 6, 30)},
      {"monthly 31 in September", Day(2026, 9, 30), 13, 31, Day(2026, 9, 30)},
      {"monthly 31 in November", Day(2026, 11, 2), 13, 31, Day(2026, 11, 30)},
      {"monthly 31 in a common February", Day(2027, 2, 1), 13, 31, Day(2027, 2, 28)},
      {"monthly 31 in a leap February", Day(2028, 2, 1), 13, 31, Day(2028, 2, 29)},
      {"monthly 29 in a common February", Day(2026, 2, 3), 13, 29, Day(2026, 2, 28)},
      {"monthly 31 in January", Day(2026, 1, 5), 13, 31, Day(2026, 1, 31)},
      {"monthly today", Day(2026, 5, 15), 13, 15, Day(2026, 5, 15)},
      {"monthly before today", Day(2026, 5, 15), 13, 3, Day(2026, 6, 3)},
      {"monthly before today in December", Day(2026, 12, 15), 13, 3, Day(2027, 1, 3)},
      {"monthly 30 from 31 January", Day(2026, 1, 31), 13, 30, Day(2026, 2, 28)},
      {"monthly 32 in April is clamped", Day(2026, 4, 2), 13, 32, Day(2026, 4, 30)},
      // Weekly events: 8 December 2026 is a Tuesday (3).
      {"weekly on today's weekday", Day(2026, 12, 8), 14, 3, Day(2026, 12, 8)},
      {"weekly tomorrow", Day(2026, 12, 8), 14, 4, std::nullopt},
      {"weekly yesterday", Day(2026, 12, 8), 14, 2, std::nullopt},
      // Only a damaged file holds these.
      {"month 0", Day(2026, 12, 8), 0, 5, std::nullopt},
      {"day 0", Day(2026, 12, 8), 5, 0, std::nullopt},
      {"month 15", Day(2026, 12, 8), 15, 1, std::nullopt},
      {"yearly day 32", Day(2026, 12, 8), 5, 32, std::nullopt},
      {"monthly day 40 in January", Day(2026, 1, 8), 13, 40, std::nullopt},
      {"weekly day 9", Day(2026, 12, 8), 14, 9, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EventDueDate(c.month, c.day, c.today), c.date) << c.name;
  }
}

}  // namespace
}  // namespace tovik
