#pragma once
#include "calendar/kx_calendar_win.h"
#include "store/organiser_store.h"

namespace tovik {

// Recomputes the marks of the month the calendar shows from the store and
// hands them to its EventDates; they show at the calendar's next repaint.
void UpdateDayMarks(TkxCalendar& calendar, const OrganiserStore& store);

}  // namespace tovik
