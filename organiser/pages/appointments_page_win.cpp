#include "organiser/pages/appointments_page_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "calendar/date_format.h"
#include "calendar/day_marks.h"
#include "calendar/day_marks_win.h"
#include "calendar/feasts.h"
#include "calendar/week_number.h"
#include "store/organiser_store.h"
#include "ui/dpi_win.h"
#include "ui/edit_keys_win.h"
#include "ui/text_fit_win.h"

namespace tovik {
namespace {

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kSpin = WS_TABSTOP | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS;
constexpr DWORD kReadOnlyBox = WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2079;
constexpr RECT kFeastBounds = ui::Bounds(8, 106, 117, 55);
constexpr RECT kDiaryBounds = ui::Bounds(6, 179, 311, 125);
// How near the page's left edge a label may grow.
constexpr int kPageEdge = 2;

}  // namespace

// As designed, in tab order; the labels after the controls, beneath them.
std::span<const PageControl<AppointmentsPage>> AppointmentsPage::Design() {
  using P = AppointmentsPage;
  using ui::Bounds;
  using enum ui::ControlClass;
  static const PageControl<P> kDesign[] = {
      {&P::memAppDiary_,
       {kMemAppDiary, Edit, L"",
        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, kDiaryBounds,
        FontKind::Normal, WS_EX_CLIENTEDGE}},
      {&P::btnToday_, {kBtnToday, Button, L"", kButton, Bounds(62, 32, 87, 17)}},
      {&P::btnDown_, {kBtnDown, Button, L"", kButton, Bounds(154, 32, 88, 17)}},
      {&P::btnUp_, {kBtnUp, Button, L"", kButton, Bounds(242, 32, 88, 17)}},
      {&P::edtShowYear_,
       {kEdtShowYear, Edit, L"", kReadOnlyBox, Bounds(99, 52, 35, 19), FontKind::Normal,
        WS_EX_CLIENTEDGE}},
      {&P::edtShowMonth_,
       {kEdtShowMonth, Edit, L"", kReadOnlyBox, Bounds(111, 73, 23, 19), FontKind::Normal,
        WS_EX_CLIENTEDGE}},
      {&P::edtDiarySearch_,
       {kEdtDiarySearch, Edit, L"", WS_TABSTOP | ES_AUTOHSCROLL, Bounds(173, 140, 157, 19),
        FontKind::Normal, WS_EX_CLIENTEDGE}},
      {&P::btnAppHyperlink_,
       {kBtnAppHyperlink, Button, L"&Cyberlink", kButton, Bounds(182, 162, 68, 17)}},
      {&P::btnAppDial_, {kBtnAppDial, Button, L"", kButton, Bounds(250, 162, 68, 17)}},
      {&P::udSelectYear_, {kUdSelectYear, Spin, L"", kSpin, Bounds(134, 52, 15, 19)}},
      {&P::udSelectMonth_, {kUdSelectMonth, Spin, L"", kSpin, Bounds(134, 73, 15, 19)}},
      {&P::lblShownDate_,
       {kLblShownDate, Label, L"", kLabel, Bounds(6, 2, 324, 18), FontKind::Heading}},
      {&P::lblUsedAppDay_,
       {kLblUsedAppDay, Label, L"", SS_CENTER | SS_NOPREFIX, Bounds(154, 18, 176, 13),
        FontKind::Bold}},
      // The year, month and week captions end a little before their boxes in
      // every language.
      {&P::lblYear_, {kLblYear, Label, L"", SS_RIGHT | SS_NOPREFIX, Bounds(35, 53, 60, 13)}},
      {&P::lblMonth_, {kLblMonth, Label, L"", SS_RIGHT | SS_NOPREFIX, Bounds(47, 74, 60, 13)}},
      {&P::lblWeek_, {kLblWeek, Label, L"", SS_RIGHT | SS_NOPREFIX, Bounds(48, 92, 60, 18)}},
      {&P::UgeNr_, {kUgeNr, Label, L"", kLabel, Bounds(112, 92, 19, 16)}},
      {&P::lblHoly_, {kLblHoly, Label, L"", SS_RIGHT | SS_NOPREFIX, kFeastBounds}},
      {&P::lblAppointmentsDiary_,
       {kLblAppointmentsDiary, Label, L"", kLabel, Bounds(8, 160, 180, 18), FontKind::Heading}},
  };
  return kDesign;
}

AppointmentsPage::AppointmentsPage(const PageArgs& args)
    : OrganiserPage(args, "psAppointments", "pnlAftaleKalender") {
  CreateControls(*this, Design());
  // The calendar takes its place in the tab order after the month box.
  cdrCalender_ = TkxCalendar::Create({.parent = Panel().hwnd(), .id = kCdrCalender});
  SetWindowPos(cdrCalender_->hwnd(), edtShowMonth_, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  cdrCalender_->OnChange = [this] { cdrCalenderChange(); };
  cdrCalender_->OnDblClick = [this] { cdrCalenderDblClick(); };
  Image1_ = CreateSearchPicture(ui::Bounds(154, 140, 19, 19), kImage1);
  FitShortSheet({{memAppDiary_, kDiaryBounds, false}});
  SendMessageW(udSelectYear_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edtShowYear_), 0);
  SendMessageW(udSelectYear_, UDM_SETRANGE32, kFirstYear, kLastYear);
  SendMessageW(udSelectMonth_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edtShowMonth_), 0);
  SendMessageW(udSelectMonth_, UDM_SETRANGE32, 1, 12);
  // The narrow boxes give their digits the whole width.
  for (const HWND box : {edtShowYear_, edtShowMonth_}) {
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  }
  Focus().SetExitHandler(memAppDiary_, "memAppDiary", [this] { memAppDiaryExit(); });
  ui::LeaveOnTab(memAppDiary_);
  KeepStorable(memAppDiary_);
  ui::OnEnterKey(edtDiarySearch_, "edtDiarySearch",
                 [this] { SearchDiary(btnUp_, SearchDirection::Next); });
}

void AppointmentsPage::RunCreationSteps() {
  SendMessageW(memAppDiary_, EM_SETLIMITTEXT, kDayNoteLimit, 0);
}

// The page's part of the window's activation: the spin buttons take the
// calendar's month and year (their boxes' change handlers follow), then the
// calendar's day is shown.
void AppointmentsPage::RunActivationSteps() {
  spinsReady_ = true;
  SetSpin(udSelectMonth_, cdrCalender_->Month());
  SetSpin(udSelectYear_, cdrCalender_->Year());
  ShowSelectedDay();
}

void AppointmentsPage::ShowSelectedDay() {
  const OrganiserStore& store = Host().Store();
  shown_ = store.ShowDay(DayNumberFromDate(ShownDate()));
  ShowWeekNumber();
  // A day after 4 June 2079 has no DayNumber: it shows no text and takes none.
  const bool storable = FitsDayNumber(shown_.Day);
  const std::wstring text = shown_.Slot != 0
                                ? AnsiToWide(TextOf(store.AppointmentSlots[shown_.Slot - 1].Text))
                                : std::wstring();
  SetWindowTextW(memAppDiary_, text.c_str());
  SendMessageW(memAppDiary_, EM_SETREADONLY, storable ? FALSE : TRUE, 0);
}

void AppointmentsPage::ShowWeekNumber() {
  const OrganiserStore& store = Host().Store();
  const std::string week =
      WeekNumberText(shown_.Day, cdrCalender_->StartOfWeek(), store.Header.FirstWeekRule);
  SetWindowTextW(UgeNr_, Utf8ToWide(week).c_str());
}

CalendarDate AppointmentsPage::ShownDate() const {
  return {cdrCalender_->Year(), cdrCalender_->Month(), cdrCalender_->Day()};
}

void AppointmentsPage::GoToDate(const CalendarDate& date) {
  cdrCalender_->SetDateValue(DayNumberFromDate(date));
  SetSpin(udSelectMonth_, cdrCalender_->Month());
  SetSpin(udSelectYear_, cdrCalender_->Year());
  ShowDate();
  ShowFeasts();
}

// The long date of the user's regional settings, which begins with a
// capital letter from "a" to "z".
void AppointmentsPage::ShowDate() {
  const CalendarDate date = ShownDate();
  std::string text = FormatDate(Host().Dates(), date, "dddddd", Host().Store().LongDatePrefix);
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  SetWindowTextW(lblShownDate_, Utf8ToWide(text).c_str());
}

void AppointmentsPage::ShowFeasts() {
  const OrganiserStore& store = Host().Store();
  const std::string lines =
      FeastLines(cdrCalender_->Year(), store.Header.LanguageId, Host().Dates());
  SetWindowTextW(lblHoly_, Utf8ToWide(lines).c_str());
  FitFeastLabel();
  UpdateDayMarks(*cdrCalender_, store);
}

// The feasts never wrap: a label too narrow for its longest line grows to
// the left, as far as the page's edge, and down when its lines need it.
void AppointmentsPage::FitFeastLabel() {
  const RECT designed = ui::Scaled(kFeastBounds);
  const SIZE text = ui::TextExtent(lblHoly_, ui::WindowText(lblHoly_));
  const LONG left =
      std::clamp<LONG>(designed.right - text.cx, ui::Scaled(kPageEdge), designed.left);
  const LONG height = std::max<LONG>(designed.bottom - designed.top, text.cy);
  SetWindowPos(lblHoly_, nullptr, left, designed.top, designed.right - left, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(lblHoly_, nullptr, TRUE);
}

void AppointmentsPage::OnSheetLaidOut() {
  FitFeastLabel();
}

// The handler leaves itself out of the notifications that its own work
// raises, so that a day is loaded once.
void AppointmentsPage::cdrCalenderChange() {
  if (!changeAttached_) return;
  changeAttached_ = false;
  SetFocus(cdrCalender_->hwnd());
  ShowSelectedDay();
  GoToDate(ShownDate());
  SetFocus(memAppDiary_);
  changeAttached_ = true;
}

// Row n of the grid shows event slot n; the 300th event has no row on view.
void AppointmentsPage::cdrCalenderDblClick() {
  const int slot = FindDayEvent(Host().Store(), cdrCalender_->Month(), cdrCalender_->Day());
  if (slot > 0 && slot < static_cast<int>(kEventSlots)) Host().ShowEventRow(slot);
}

// The commit of the day's note, for the day it was typed on.
void AppointmentsPage::memAppDiaryExit() {
  OrganiserStore& store = Host().Store();
  CommitNoteBox(
      memAppDiary_, [&](std::string_view text) { return store.StoreDayText(shown_, text); },
      [&] { UpdateDayMarks(*cdrCalender_, store); });
}

void AppointmentsPage::btnTodayClick() {
  SetFocus(btnToday_);
  GoToDate(LocalToday());
  SetFocus(memAppDiary_);
}

// btnUpClick and btnDownClick (also the picture and Enter in the search box):
// no wrapping round, and without a day to go to the shown day stays.
void AppointmentsPage::SearchDiary(HWND button, SearchDirection direction) {
  SetFocus(button);
  const TextLowering& lowering = Host().Lowering();
  std::string word = lowering.Lower(WideToAnsi(ui::WindowText(edtDiarySearch_)));
  if (SearchWordIsEmpty(word)) word.clear();
  const OrganiserStore& store = Host().Store();
  const std::optional<uint16_t> day =
      FindDiaryDay(store.AppointmentSlots, shown_.Day, word, direction, lowering);
  GoToDate(day ? DateFromDayNumber(*day) : ShownDate());
  SetFocus(memAppDiary_);
}

// February is cut to 28 days, also in leap years.
void AppointmentsPage::edtShowMonthChange() {
  SetFocus(edtShowMonth_);
  changeAttached_ = false;
  const int month = SpinPosition(udSelectMonth_);
  const int day = cdrCalender_->Day();
  if (month == 2 && day > 28) cdrCalender_->SetDay(28);
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) cdrCalender_->SetDay(30);
  changeAttached_ = true;
  GoToDate({cdrCalender_->Year(), month, cdrCalender_->Day()});
  SetFocus(memAppDiary_);
}

void AppointmentsPage::edtShowYearChange() {
  SetFocus(edtShowYear_);
  const int year = SpinPosition(udSelectYear_);
  const int month = cdrCalender_->Month();
  int day = cdrCalender_->Day();
  if (month == 2 && day == 29 && !IsLeapYear(year)) day = 28;
  GoToDate({year, month, day});
  SetFocus(memAppDiary_);
}

void AppointmentsPage::SetSpin(HWND spin, int value) {
  if (SpinPosition(spin) == value &&
      GetWindowTextLengthW(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0))) > 0) {
    return;
  }
  SendMessageW(spin, UDM_SETPOS32, 0, value);
}

int AppointmentsPage::SpinPosition(HWND spin) {
  return static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0));
}

HWND AppointmentsPage::ControlOf(Target target) const {
  switch (target) {
    case Target::lblUsedAppDay:
      return lblUsedAppDay_;
    case Target::btnToday:
      return btnToday_;
    case Target::btnDown:
      return btnDown_;
    case Target::btnUp:
      return btnUp_;
    case Target::cdrCalender:
      return cdrCalender_->hwnd();
    case Target::lblYear:
      return lblYear_;
    case Target::edtShowYear:
      return edtShowYear_;
    case Target::udSelectYear:
      return udSelectYear_;
    case Target::lblMonth:
      return lblMonth_;
    case Target::edtShowMonth:
      return edtShowMonth_;
    case Target::udSelectMonth:
      return udSelectMonth_;
    case Target::lblWeek:
      return lblWeek_;
    case Target::edtDiarySearch:
      return edtDiarySearch_;
    case Target::lblAppointmentsDiary:
      return lblAppointmentsDiary_;
    case Target::btnAppDial:
      return btnAppDial_;
    case Target::memAppDiary:
      return memAppDiary_;
    default:
      return nullptr;
  }
}

void AppointmentsPage::ApplyHelpContexts(const HelpContexts& contexts) {
  SetWindowContextHelpId(memAppDiary_, static_cast<DWORD>(contexts.memAppDiary));
  SetWindowContextHelpId(edtDiarySearch_, static_cast<DWORD>(contexts.edtDiarySearch));
}

void AppointmentsPage::ShowDialButton(bool shown) {
  ShowWindow(btnAppDial_, shown ? SW_SHOW : SW_HIDE);
}

bool AppointmentsPage::OnControlCommand(HWND, int id, int code) {
  switch (id) {
    case kBtnToday:
      if (code != BN_CLICKED) return false;
      btnTodayClick();
      return true;
    case kBtnUp:
    case kImage1:
      if (code != BN_CLICKED) return false;  // a picture's STN_CLICKED is the same code
      SearchDiary(btnUp_, SearchDirection::Next);
      return true;
    case kBtnDown:
      if (code != BN_CLICKED) return false;
      SearchDiary(btnDown_, SearchDirection::Previous);
      return true;
    case kBtnAppHyperlink:
      if (code != BN_CLICKED) return false;
      LinkButtonClick(btnAppHyperlink_, memAppDiary_, &LinksAndDialling::OpenRememberedLink);
      return true;
    case kBtnAppDial:
      if (code != BN_CLICKED) return false;
      LinkButtonClick(btnAppDial_, memAppDiary_, &LinksAndDialling::DialRememberedNumber);
      return true;
    case kEdtShowMonth:
      if (code != EN_CHANGE || !spinsReady_) return false;
      edtShowMonthChange();
      return true;
    case kEdtShowYear:
      if (code != EN_CHANGE || !spinsReady_) return false;
      edtShowYearChange();
      return true;
    default:
      return false;
  }
}

// A spin button gives its box the focus when pressed. A press that moves
// the value ends in the day's note through the box's change handler; one at
// the limit changes nothing, so it sends the focus on to the note itself.
bool AppointmentsPage::OnControlNotify(const NMHDR& header, LRESULT* result) {
  if (header.code != UDN_DELTAPOS ||
      (header.hwndFrom != udSelectYear_ && header.hwndFrom != udSelectMonth_)) {
    return false;
  }
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  int low = 0, high = 0;
  SendMessageW(header.hwndFrom, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  const int wanted = change.iPos + change.iDelta;
  if (spinsReady_ && (wanted < low || wanted > high)) SetFocus(memAppDiary_);
  *result = 0;
  return true;
}

}  // namespace tovik
