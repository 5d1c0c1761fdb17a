#pragma once
#include <windows.h>

#include <memory>

#include "calendar/kx_calendar_win.h"
#include "organiser/links/links_win.h"
#include "organiser/pages/diary_search.h"
#include "organiser/pages/page_win.h"

namespace tovik {

// The calendar and diary page (psAppointments with pnlAftaleKalender): one
// day at a time, with the month calendar, the year and month spin boxes, the
// week number, the movable feasts and the day's note.
class AppointmentsPage : public OrganiserPage {
 public:
  // The most characters the day's note holds.
  static constexpr int kDayNoteLimit = 32700;

  // The ids of the page's controls, by which their commands are routed.
  enum ControlId : int {
    kMemAppDiary = 1000,
    kBtnToday,
    kBtnDown,
    kBtnUp,
    kEdtShowYear,
    kEdtShowMonth,
    kEdtDiarySearch,
    kBtnAppHyperlink,
    kBtnAppDial,
    kUdSelectYear,
    kUdSelectMonth,
    kLblShownDate,
    kLblUsedAppDay,
    kLblYear,
    kLblMonth,
    kLblWeek,
    kUgeNr,
    kLblHoly,
    kLblAppointmentsDiary,
    kImage1,
    kCdrCalender,
  };

  explicit AppointmentsPage(const PageArgs& args);

  // The page's step of the window's creation: the day note's limit.
  void RunCreationSteps();
  void RunActivationSteps() override;
  HWND FocusControl() const override { return memAppDiary_; }
  HWND ControlOf(Target target) const override;
  void ApplyHelpContexts(const HelpContexts& contexts) override;

  TkxCalendar& Calendar() { return *cdrCalender_; }
  // The box that takes the focus as the window closes, so that the focused
  // editor commits.
  HWND YearBox() const { return edtShowYear_; }
  HWND DayNote() const { return memAppDiary_; }
  HWND SearchBox() const { return edtDiarySearch_; }
  HWND Button(Target target) const { return ControlOf(target); }
  HWND LinkButton() const { return btnAppHyperlink_; }
  HWND YearSpin() const { return udSelectYear_; }
  HWND MonthSpin() const { return udSelectMonth_; }
  HWND ShownDateLabel() const { return lblShownDate_; }
  HWND FeastLabel() const { return lblHoly_; }
  HWND WeekNumberLabel() const { return UgeNr_; }
  // The date the calendar shows.
  CalendarDate ShownDate() const;
  // The dial button shows while a telephone line is open.
  void ShowDialButton(bool shown);

  // The routines of the page.
  void ShowSelectedDay();
  void GoToDate(const CalendarDate& date);
  // The week number of the shown day under the week settings (UgeNr).
  void ShowWeekNumber();
  // The shown day in the user's long date format (lblShownDate).
  void ShowDate();
  // The movable feasts of the shown year (lblHoly), then the day marks.
  void ShowFeasts();

  bool OnControlCommand(HWND control, int id, int code) override;
  bool OnControlNotify(const NMHDR& header, LRESULT* result) override;

 private:
  // The feast label's lines take another width in another scale's fonts.
  void OnSheetLaidOut() override;
  // The handlers of the page's controls.
  void cdrCalenderChange();
  void cdrCalenderDblClick();
  void memAppDiaryExit();
  void btnTodayClick();
  void SearchDiary(HWND button, SearchDirection direction);  // btnUpClick, btnDownClick
  void edtShowMonthChange();
  void edtShowYearChange();
  // Writes a spin button's position when it differs; the spin button then
  // rewrites its box, whose change handler runs.
  static void SetSpin(HWND spin, int value);
  void FitFeastLabel();
  static int SpinPosition(HWND spin);

  HWND memAppDiary_ = nullptr;
  HWND btnToday_ = nullptr;
  HWND btnDown_ = nullptr;
  HWND btnUp_ = nullptr;
  HWND edtShowYear_ = nullptr;
  HWND edtShowMonth_ = nullptr;
  HWND edtDiarySearch_ = nullptr;
  HWND btnAppHyperlink_ = nullptr;
  HWND btnAppDial_ = nullptr;
  HWND udSelectYear_ = nullptr;
  HWND udSelectMonth_ = nullptr;
  HWND lblShownDate_ = nullptr;
  HWND lblUsedAppDay_ = nullptr;
  HWND lblYear_ = nullptr;
  HWND lblMonth_ = nullptr;
  HWND lblWeek_ = nullptr;
  HWND UgeNr_ = nullptr;
  HWND lblHoly_ = nullptr;
  HWND lblAppointmentsDiary_ = nullptr;
  HWND Image1_ = nullptr;
  std::unique_ptr<TkxCalendar> cdrCalender_;
  ShownDay shown_;
  // cdrCalenderChange is attached to the calendar's change notification.
  bool changeAttached_ = true;
  // The boxes' change handlers stay out of the way while the spin buttons
  // are first set up.
  bool spinsReady_ = false;

  static std::span<const PageControl<AppointmentsPage>> Design();
};

}  // namespace tovik
