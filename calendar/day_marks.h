#pragma once
#include <cstdint>

namespace tovik {

class OrganiserStore;

// The day marks of a month for the calendar's EventDates: bit d - 1 is set
// when day d has an appointment or a yearly event in that month.
uint32_t ComputeDayMarks(const OrganiserStore& store, int year, int month);

// The 1-based slot of the first yearly event on the given month and day, or
// 0 when there is none.
int FindDayEvent(const OrganiserStore& store, int month, int day);

}  // namespace tovik
