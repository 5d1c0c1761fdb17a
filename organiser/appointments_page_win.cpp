#include "organiser/appointments_page_win.h"

#include <commctrl.h>

#include <array>

namespace tovik {
namespace {

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kSpin = WS_TABSTOP | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS;
constexpr DWORD kReadOnlyBox = WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;

}  // namespace

// As designed, in tab order; the labels after the controls, beneath them.
std::span<const ControlDesign<AppointmentsPage>> AppointmentsPage::Design() {
  using P = AppointmentsPage;
  using ui::Bounds;
  static const ControlDesign<P> kDesign[] = {
      {&P::memAppDiary_, L"EDIT", L"",
       WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
       Bounds(6, 179, 311, 125), FontKind::Normal, WS_EX_CLIENTEDGE},
      {&P::btnToday_, L"BUTTON", L"", kButton, Bounds(62, 32, 87, 17)},
      {&P::btnDown_, L"BUTTON", L"", kButton, Bounds(154, 32, 88, 17)},
      {&P::btnUp_, L"BUTTON", L"", kButton, Bounds(242, 32, 88, 17)},
      {&P::edtShowYear_, L"EDIT", L"", kReadOnlyBox, Bounds(99, 52, 35, 19), FontKind::Normal,
       WS_EX_CLIENTEDGE},
      {&P::edtShowMonth_, L"EDIT", L"", kReadOnlyBox, Bounds(111, 73, 23, 19), FontKind::Normal,
       WS_EX_CLIENTEDGE},
      {&P::edtDiarySearch_, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, Bounds(173, 140, 157, 19),
       FontKind::Normal, WS_EX_CLIENTEDGE},
      {&P::btnAppHyperlink_, L"BUTTON", L"&Cyberlink", kButton, Bounds(182, 162, 68, 17)},
      {&P::btnAppDial_, L"BUTTON", L"", kButton, Bounds(250, 162, 68, 17)},
      {&P::udSelectYear_, UPDOWN_CLASSW, L"", kSpin, Bounds(134, 52, 15, 19)},
      {&P::udSelectMonth_, UPDOWN_CLASSW, L"", kSpin, Bounds(134, 73, 15, 19)},
      {&P::lblShownDate_, L"STATIC", L"", kLabel, Bounds(6, 2, 324, 18), FontKind::Heading},
      {&P::lblUsedAppDay_, L"STATIC", L"", SS_CENTER | SS_NOPREFIX, Bounds(154, 18, 176, 13),
       FontKind::Bold},
      // The year and month captions end beside their boxes in every language.
      {&P::lblYear_, L"STATIC", L"", SS_RIGHT | SS_NOPREFIX, Bounds(37, 53, 60, 13)},
      {&P::lblMonth_, L"STATIC", L"", SS_RIGHT | SS_NOPREFIX, Bounds(49, 74, 60, 13)},
      {&P::lblWeek_, L"STATIC", L"", kLabel, Bounds(67, 92, 42, 18)},
      {&P::UgeNr_, L"STATIC", L"", kLabel, Bounds(112, 92, 19, 16)},
      {&P::lblHoly_, L"STATIC", L"", SS_RIGHT | SS_NOPREFIX, Bounds(8, 106, 117, 55)},
      {&P::lblAppointmentsDiary_, L"STATIC", L"", kLabel, Bounds(8, 160, 180, 18),
       FontKind::Heading},
  };
  return kDesign;
}

AppointmentsPage::AppointmentsPage(const PageArgs& args)
    : OrganiserPage(args, "psAppointments", "pnlAftaleKalender") {
  CreateControls(*this, Design());
  // The calendar takes its place in the tab order after the month box.
  cdrCalender_ = TkxCalendar::Create({.parent = Panel().hwnd()});
  SetWindowPos(cdrCalender_->hwnd(), edtShowMonth_, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Image1_ = CreateSearchPicture(ui::Bounds(154, 140, 19, 19));
  SendMessageW(udSelectYear_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edtShowYear_), 0);
  SendMessageW(udSelectYear_, UDM_SETRANGE32, 1901, 2079);
  SendMessageW(udSelectMonth_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edtShowMonth_), 0);
  SendMessageW(udSelectMonth_, UDM_SETRANGE32, 1, 12);
}

void AppointmentsPage::RunCreationSteps() {
  SendMessageW(memAppDiary_, EM_SETLIMITTEXT, kDayNoteLimit, 0);
}

void AppointmentsPage::RunActivationSteps() {}

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

bool AppointmentsPage::OnControlCommand(HWND, int, int) {
  return false;
}

bool AppointmentsPage::OnControlNotify(const NMHDR&, LRESULT*) {
  return false;
}

}  // namespace tovik
