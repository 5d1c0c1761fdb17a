#pragma once
#include <cstdint>
#include <vector>

namespace tovik {

// One line of the reminder's due list. On one date the events (key date × 10)
// sort before the appointment (key date × 10 + 1).
struct DueEntry {
  int32_t Key = 0;
  int16_t Ref = 0;  // > 0: 1-based selected appointment; < 0: minus the 1-based selected event
  friend bool operator==(const DueEntry&, const DueEntry&) = default;
};

constexpr int32_t DueKeyOfEvent(int32_t date) {
  return date * 10;
}
constexpr int32_t DueKeyOfAppointment(int32_t day) {
  return day * 10 + 1;
}
constexpr int32_t DateOfDueKey(int32_t key) {
  return key / 10;
}

void SortDueList(std::vector<DueEntry>& list);

}  // namespace tovik
