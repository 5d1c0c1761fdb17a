// The frame's calls into the parts of the window that arrive later: the
// appointments, events and notes pages, links and dialling, and the tray
// icon. Each part fills in its steps here; until then they do nothing and the
// calendar stands in for the controls that take the focus.
#include "organiser/TovikMain_win.h"

namespace tovik {

void TTovikMain::LimitDayNoteLength() {}
void TTovikMain::OpenTelephonyLine() {}
void TTovikMain::CloseTelephonyLine() {}
void TTovikMain::ShowSpinBoxesFromCalendar() {}
void TTovikMain::ShowSelectedDay() {}
void TTovikMain::FillEventsGrid() {}
void TTovikMain::RetitleNoteTabs() {}
void TTovikMain::ShowFirstNotePage() {}
void TTovikMain::ClearRememberedSelection() {}
void TTovikMain::ShowWeekNumber() {}
void TTovikMain::ShowDateAndFeasts() {}
void TTovikMain::PageChangedByUser() {}
void TTovikMain::SetTrayIcon(bool) {}

HWND TTovikMain::CloseFocusTarget() {
  const HWND yearBox = Control("edtShowYear");
  return yearBox ? yearBox : calendar_->hwnd();
}

HWND TTovikMain::DayNoteBox() {
  const HWND dayNote = Control("memAppDiary");
  return dayNote ? dayNote : calendar_->hwnd();
}

}  // namespace tovik
