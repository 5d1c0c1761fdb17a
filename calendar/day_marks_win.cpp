#include "calendar/day_marks_win.h"

#include "calendar/day_marks.h"

namespace tovik {

void UpdateDayMarks(TkxCalendar& calendar, const OrganiserStore& store) {
  calendar.SetEventDates(ComputeDayMarks(store, calendar.Year(), calendar.Month()));
}

}  // namespace tovik
