// locales: en_US.UTF-8 da_DK.UTF-8
// The calendar and diary page in process: what is typed lands on the day it
// was typed for and reaches the file, Previous and Next find days by their
// text, the spin boxes cut the day to the month, and the link and dial
// buttons hand over only what they may.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "base/day_number.h"
#include "tests/unit/data_file_builder.h"
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

class AppointmentsPageTest : public OrganiserWindowTest {
 protected:
  AppointmentsPage& Page() { return main_->Appointments(); }
  CalendarDate Shown() {
    TkxCalendar& c = Page().Calendar();
    return {c.Year(), c.Month(), c.Day()};
  }
  void Type(const std::wstring& text) {
    SetFocus(Page().DayNote());
    for (const wchar_t c : text) SendMessageW(Page().DayNote(), WM_CHAR, c, 0);
  }
  // A press on the day's cell, as the mouse gives it.
  void ClickDay(int day) {
    TkxCalendar& calendar = Page().Calendar();
    for (int row = 1; row < calendar.Rows(); ++row) {
      for (int col = 0; col < calendar.Columns(); ++col) {
        if (calendar.DayCellText(col, row) != std::to_wstring(day)) continue;
        const RECT cell = calendar.CellRect(col, row);
        const LPARAM at = MAKELPARAM(cell.left + 2, cell.top + 2);
        SendMessageW(calendar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(calendar.hwnd(), WM_LBUTTONUP, 0, at);
        Pump();
        return;
      }
    }
    ADD_FAILURE() << "no cell for day " << day;
  }
  void Click(Target button) {
    SendMessageW(Page().Button(button), BM_CLICK, 0, 0);
    Pump();
  }
  // Everything from the appointment count to the end of the file.
  static std::string Sections() { return ReadBytes(DataFile()).substr(kSectionsOffset); }
  static std::string NoEventsEightEmptyNotes() {
    return DataFileBuilder().U16(0).U16(8).EmptyNotes(8).bytes().substr(kSectionsOffset);
  }
};

uint16_t Day(int y, int m, int d) {
  return static_cast<uint16_t>(DayNumberFromDate(y, m, d));
}

TEST_F(AppointmentsPageTest, TypedTextIsStoredUnderTheDayItWasTypedFor) {
  Start();
  Page().GoToDate({2024, 3, 3});
  Type(L"Dentist\r10:00");
  ClickDay(4);
  EXPECT_EQ(Shown(), (CalendarDate{2024, 3, 4}));
  EXPECT_EQ(WindowText(Page().DayNote()), L"");
  EXPECT_EQ(Sections(), DataFileBuilder()
                                .U16(1)
                                .Appointment(Day(2024, 3, 3), "Dentist\r\n10:00")
                                .bytes()
                                .substr(kSectionsOffset) +
                            NoEventsEightEmptyNotes());
  EXPECT_TRUE(Page().Calendar().EventDates() & (1u << 2));

  // Blanked out, the day loses its mark and its slot takes the next new day,
  // which is written in the freed position, before the later slot.
  Type(L"Lunch");
  ClickDay(3);
  EXPECT_EQ(WindowText(Page().DayNote()), L"Dentist\r\n10:00");
  SendMessageW(Page().DayNote(), EM_SETSEL, 0, -1);
  Type(L"\b\r\r");
  ClickDay(5);
  EXPECT_FALSE(Page().Calendar().EventDates() & (1u << 2));
  Type(L"Theatre");
  ClickDay(6);
  EXPECT_EQ(Sections(), DataFileBuilder()
                                .U16(2)
                                .Appointment(Day(2024, 3, 5), "Theatre")
                                .Appointment(Day(2024, 3, 4), "Lunch")
                                .bytes()
                                .substr(kSectionsOffset) +
                            NoEventsEightEmptyNotes());
}

TEST_F(AppointmentsPageTest, LeavingTheBoxSavesOnlyWhereTheDayHasText) {
  Start();
  Page().GoToDate({2024, 3, 3});
  Type(L"x");
  ClickDay(4);
  const int saves = counts_->sectionSaves;
  ClickDay(3);  // an unchanged day with text is stored again
  SetFocus(Page().SearchBox());
  EXPECT_EQ(counts_->sectionSaves, saves + 1);
  ClickDay(10);  // an empty box on a day without text writes nothing
  SetFocus(Page().SearchBox());
  EXPECT_EQ(counts_->sectionSaves, saves + 1);
}

TEST_F(AppointmentsPageTest, TypedTextSurvivesTheAboutBox) {
  Start();
  Page().GoToDate({2024, 3, 3});
  Type(L"Call the bank");
  PostMessageW(main_->About().hwnd(), WM_COMMAND, IDOK, 0);
  Run(Command::About);
  EXPECT_EQ(WindowText(Page().DayNote()), L"Call the bank");
  EXPECT_NE(Sections().find("Call the bank"), std::string::npos);
}

TEST_F(AppointmentsPageTest, PreviousAndNextFindDaysByTheirText) {
  std::ofstream(DataFile(), std::ios::binary)
      << DataFileBuilder(0x00A2)
             .U16(4)
             .Appointment(Day(2024, 3, 20), "Meeting with Bob")
             .Appointment(Day(2024, 3, 5), "team MEETING")
             .Appointment(Day(2031, 7, 1),
                          "\xC6"
                          "bleskiver hos \xD8"
                          "ster")
             .Appointment(Day(2019, 1, 2), "dentist")
             .U16(0)
             .U16(8)
             .EmptyNotes(8)
             .bytes();
  Start();
  struct Step {
    const wchar_t* word;
    Target button;
    CalendarDate from, to;
  } steps[] = {
      {L"", Target::btnUp, {2024, 3, 1}, {2024, 3, 5}},
      {L"", Target::btnDown, {2024, 3, 5}, {2019, 1, 2}},
      {L"", Target::btnDown, {2019, 1, 2}, {2019, 1, 2}},  // no wrapping round
      {L"Meeting", Target::btnUp, {2024, 3, 5}, {2024, 3, 20}},
      {L"meeting", Target::btnDown, {2024, 3, 20}, {2024, 3, 5}},
      {L"\u00e6BLESKIVER", Target::btnUp, {2024, 3, 1}, {2031, 7, 1}},
      {L"\u00d8STER", Target::btnDown, {2040, 1, 1}, {2031, 7, 1}},
      {L" x", Target::btnUp, {2024, 3, 5}, {2024, 3, 20}},  // a leading space finds every day
      {L"nowhere", Target::btnUp, {2024, 3, 1}, {2024, 3, 1}},
  };
  for (const Step& step : steps) {
    Page().GoToDate(step.from);
    SetWindowTextW(Page().SearchBox(), step.word);
    Click(step.button);
    EXPECT_EQ(Shown(), step.to) << WideToUtf8(step.word);
    EXPECT_EQ(GetFocus(), Page().DayNote());
  }
  // The week label, the date label and the feasts follow the day.
  EXPECT_EQ(WindowText(Page().ControlOf(Target::edtShowYear)), L"2024");
}

TEST_F(AppointmentsPageTest, SpinBoxesCutTheDayToTheMonth) {
  Start();
  struct Case {
    CalendarDate from;
    HWND (AppointmentsPage::*spin)() const;
    int to;
    CalendarDate shown;
  } cases[] = {
      {{2024, 1, 31}, &AppointmentsPage::MonthSpin, 2, {2024, 2, 28}},
      {{2024, 3, 31}, &AppointmentsPage::MonthSpin, 4, {2024, 4, 30}},
      {{2024, 1, 30}, &AppointmentsPage::MonthSpin, 2, {2024, 2, 28}},
      {{2024, 2, 29}, &AppointmentsPage::YearSpin, 2025, {2025, 2, 28}},
      {{2025, 2, 28}, &AppointmentsPage::YearSpin, 2024, {2024, 2, 28}},
      {{2024, 2, 29}, &AppointmentsPage::MonthSpin, 3, {2024, 3, 29}},
  };
  for (const Case& c : cases) {
    Page().GoToDate(c.from);
    SendMessageW((Page().*c.spin)(), UDM_SETPOS32, 0, c.to);
    Pump();
    EXPECT_EQ(Shown(), c.shown) << c.to;
  }
}

// A press on a spin button at its limit leaves the date and moves the focus
// to the day's note, as a press that changes the date does.
TEST_F(AppointmentsPageTest, SpinPressesAtTheLimitLeaveTheFocusInTheDayNote) {
  Start();
  const struct {
    CalendarDate date;
    HWND (AppointmentsPage::*spin)() const;
    bool up;
  } cases[] = {{{2079, 3, 5}, &AppointmentsPage::YearSpin, true},
               {{1901, 3, 5}, &AppointmentsPage::YearSpin, false},
               {{2024, 12, 5}, &AppointmentsPage::MonthSpin, true},
               {{2024, 1, 5}, &AppointmentsPage::MonthSpin, false}};
  for (const auto& c : cases) {
    Page().GoToDate(c.date);
    RECT r;
    GetClientRect((Page().*c.spin)(), &r);
    const LPARAM at = MAKELPARAM(r.right / 2, c.up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW((Page().*c.spin)(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW((Page().*c.spin)(), WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(Shown(), c.date) << c.date.Year << "-" << c.date.Month;
    EXPECT_EQ(GetFocus(), Page().DayNote()) << c.date.Year << "-" << c.date.Month;
  }
}

// A telephony service with one line that records what dialling asks of it.
struct Calls {
  DWORD device = 0, privileges = 0;
  LINECALLPARAMS openParams{}, callParams{};
  std::string destination;
  std::vector<HCALL> dropped, freed;
};
class OneLine : public Telephony {
 public:
  explicit OneLine(Calls& calls) : calls_(calls) {}
  LONG Initialize(HLINEAPP* app, HINSTANCE, LINECALLBACK, const char*, DWORD* devices) override {
    *app = 7;
    *devices = 1;
    return 0;
  }
  LONG NegotiateApiVersion(HLINEAPP, DWORD, DWORD, DWORD, DWORD* version,
                           LINEEXTENSIONID*) override {
    *version = 0x00020000;
    return 0;
  }
  LONG Open(HLINEAPP, DWORD device, HLINE* line, DWORD, DWORD, DWORD_PTR, DWORD privileges, DWORD,
            const LINECALLPARAMS* params) override {
    calls_.device = device;
    calls_.privileges = privileges;
    calls_.openParams = *params;
    *line = 9;
    return 0;
  }
  LONG MakeCall(HLINE, HCALL* call, const char* destination, DWORD,
                const LINECALLPARAMS* params) override {
    calls_.destination = destination;
    calls_.callParams = *params;
    *call = 42;
    return 0;
  }
  LONG Drop(HCALL call, const char*, DWORD) override {
    calls_.dropped.push_back(call);
    return 0;
  }
  LONG DeallocateCall(HCALL call) override {
    calls_.freed.push_back(call);
    return 0;
  }
  LONG Close(HLINE) override { return 0; }
  LONG Shutdown(HLINEAPP) override { return 0; }

 private:
  Calls& calls_;
};

TEST_F(AppointmentsPageTest, SelectionsAreOpenedOrDialledAsTheyMay) {
  Calls calls;
  telephony_ = std::make_unique<OneLine>(calls);
  Start();
  EXPECT_TRUE(IsWindowVisible(Page().ControlOf(Target::btnAppDial)));
  EXPECT_EQ(calls.device, LINEMAPPER);
  EXPECT_EQ(calls.privileges, static_cast<DWORD>(LINECALLPRIVILEGE_NONE));
  const auto select = [this](const std::wstring& text) {
    SetWindowTextW(Page().DayNote(), text.c_str());
    SetFocus(Page().DayNote());
    SendMessageW(Page().DayNote(), EM_SETSEL, 0, -1);
  };
  select(L" 555-1234 ");
  Click(Target::btnAppDial);
  EXPECT_EQ(calls.destination, "555-1234");
  for (const LINECALLPARAMS& p : {calls.openParams, calls.callParams}) {
    EXPECT_EQ(p.dwTotalSize, 176u);
    EXPECT_EQ(p.dwBearerMode, static_cast<DWORD>(LINEBEARERMODE_VOICE));
    EXPECT_EQ(p.dwMediaMode, static_cast<DWORD>(LINEMEDIAMODE_INTERACTIVEVOICE));
  }
  main_->Links().OnCallState(42, LINECALLSTATE_CONNECTED);
  main_->Links().OnCallState(42, LINECALLSTATE_IDLE);
  EXPECT_EQ(calls.dropped, std::vector<HCALL>{42});
  EXPECT_EQ(calls.freed, std::vector<HCALL>{42});

  select(L"Notes on http://example.com/agenda. Thanks");
  SendMessageW(Page().LinkButton(), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_.back(), L"http://example.com/agenda");

  // A local program is no link: nothing reaches the shell, a box says so.
  main_->Links().ClearRemembered();
  select(L"C:\\Windows\\notepad.exe");
  MessageBoxAnswerer answerer;
  SendMessageW(Page().LinkButton(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(answerer.Stop().size(), 1u);
  EXPECT_EQ(opened_.size(), 1u);
}

}  // namespace
}  // namespace tovik
