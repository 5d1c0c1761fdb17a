#include "calendar/day_marks.h"

#include "base/day_number.h"
#include "store/organiser_store.h"

namespace tovik {

namespace {
uint32_t DayBit(int day) {
  return uint32_t{1} << (day - 1);
}
}  // namespace

// Appointments of the first days of the next month set bits past the month's
// end; the calendar has no cell for them, so they are left in. Events of
// every month (13) and every week (14) never equal a calendar month. A day
// outside 1..31 read from a damaged file marks nothing.
uint32_t ComputeDayMarks(const OrganiserStore& store, int year, int month) {
  const int32_t before = DayNumberFromDate(year, month, 1) - 1;
  uint32_t marks = 0;
  for (const AppointmentEntry& entry : store.AppointmentSlots) {
    const int32_t d = entry.Day - before;
    if (d >= 1 && d <= 31) marks |= DayBit(d);
  }
  for (const PeriodicEvent& event : store.EventSlots) {
    if (event.Month == month && event.Day >= 1 && event.Day <= 31) marks |= DayBit(event.Day);
  }
  return marks;
}

int FindDayEvent(const OrganiserStore& store, int month, int day) {
  for (size_t i = 0; i < store.EventSlots.size(); ++i) {
    const PeriodicEvent& event = store.EventSlots[i];
    if (event.Month == month && event.Day == day) return static_cast<int>(i + 1);
  }
  return 0;
}

}  // namespace tovik
