#pragma once
#include <cstdint>
#include <optional>

#include "base/day_number.h"

namespace tovik {

constexpr uint8_t kEveryMonth = 13;
constexpr uint8_t kEveryWeek = 14;

// Today, split once for turning many events into dates.
struct EventToday {
  explicit EventToday(int32_t today);
  int32_t DayNumber;
  CalendarDate Date;
  int Weekday;  // 1 = Sunday ... 7 = Saturday
};

// The date (a day number) on which a periodic event next falls, seen
// from `today`: the next occurrence of a yearly or monthly event, today for a
// weekly event on today's weekday. Nothing for a weekly event on another
// weekday, a month of 0 or above 14, a day of 0, or a day that no month has (above 31).
std::optional<int32_t> EventDueDate(uint8_t month, uint8_t day, const EventToday& today);
inline std::optional<int32_t> EventDueDate(uint8_t month, uint8_t day, int32_t today) {
  return EventDueDate(month, day, EventToday(today));
}

}  // namespace tovik
