// locales: en_US.UTF-8 pt_PT.UTF-8
#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>

#include "base/day_number.h"
#include "base/wide_text_win.h"
#include "calendar/date_format_win.h"
#include "reminder/chk_tovik_main_win.h"
#include "ui/dpi_win.h"
#include "ui/text_fit_win.h"
#include "ui/window_win.h"

namespace tovik {
namespace {

// Shows the picture it was given and the date, so the tests see which
// pattern each text was formatted with, whatever the machine's locale.
class PictureEcho : public DateFormatter {
 public:
  LocaleDateFormats Formats() override { return {"M/d/yyyy", "MMMM d, yyyy"}; }
  std::string Format(const CalendarDate& d, std::string_view picture) override {
    return std::string(picture) + "@" + std::to_string(d.Year) + "-" + std::to_string(d.Month) +
           "-" + std::to_string(d.Day);
  }
};

struct Named {
  ReminderControl id;
  const char* name;
};
constexpr std::array<Named, 9> kControlNames{{
    {ReminderControl::lblAppointmentsAndEvents, "lblAppointmentsAndEvents"},
    {ReminderControl::IPTxt1, "IPTxt1"},
    {ReminderControl::lblTomorrow, "lblTomorrow"},
    {ReminderControl::IPTxt2, "IPTxt2"},
    {ReminderControl::lblWeekAfter, "lblWeekAfter"},
    {ReminderControl::IPTxt3, "IPTxt3"},
    {ReminderControl::lblTodosAndNotes, "lblTodosAndNotes"},
    {ReminderControl::btnExit, "btnExit"},
    {ReminderControl::IPNot, "IPNot"},
}};

std::string TextOf(HWND control) {
  const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return WideToUtf8(text);
}

SIZE SizeOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::string WorkFolder() {
  const char* work = std::getenv("TOVIK_TEST_WORK");
  return work != nullptr ? std::string(work) + "\\" : std::string(".\\");
}

const int32_t kToday = DayNumberFromDate(2026, 12, 8);

ReminderSelection Selection() {
  ReminderSelection s;
  s.Today = kToday;
  s.LookAheadDays = 7;
  s.DataRoot = WorkFolder();
  s.Data.LanguageId = Language::English;
  s.Data.BackgroundColor = 0x00800000;
  s.Data.FontColor = 0x00FFFFFF;
  s.Data.Appointments = {{kToday, "Dentist"}, {kToday + 1, "Lunch\r\n"}, {kToday + 4, "Train"}};
  s.Data.Events = {{kToday, "Gym"}};
  s.Data.DueList = {{kToday * 10 + 1, 1},
                    {(kToday + 1) * 10 + 1, 2},
                    {(kToday + 4) * 10 + 1, 3},
                    {kToday * 10, -1}};
  s.Data.NotesExtract = "-----Shop -----\r\nmilk\r\n";
  return s;
}

class ReminderWindowTest : public ::testing::Test {
 protected:
  PictureEcho dates_;
  TzqLogging log_;
};

TEST_F(ReminderWindowTest, HasItsDesignedShapeAndFocus) {
  TChkTovikMain main(log_, dates_);
  ASSERT_TRUE(main.CreateFor(Selection()));
  main.Show();
  PumpMessages();

  RECT client;
  GetClientRect(main.hwnd(), &client);
  EXPECT_EQ(client.right, 634);
  EXPECT_EQ(client.bottom, 429);
  const LONG style = GetWindowLongW(main.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  RECT frame;
  GetWindowRect(main.hwnd(), &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  struct Box {
    ReminderControl id;
    int height;
    bool tabStop;
  };
  for (const Box& box :
       {Box{ReminderControl::IPTxt1, 75, false}, Box{ReminderControl::IPTxt2, 75, false},
        Box{ReminderControl::IPTxt3, 195, false}, Box{ReminderControl::IPNot, 398, true}}) {
    HWND control = main.Control(box.id);
    const LONG boxStyle = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(SizeOf(control).cx, 314);
    EXPECT_EQ(SizeOf(control).cy, box.height);
    EXPECT_TRUE(boxStyle & ES_READONLY);
    EXPECT_TRUE(boxStyle & ES_MULTILINE);
    EXPECT_TRUE(boxStyle & WS_VSCROLL);
    EXPECT_EQ((boxStyle & WS_TABSTOP) != 0, box.tabStop) << static_cast<int>(box.id);
  }
  EXPECT_EQ(GetFocus(), main.Control(ReminderControl::btnExit));
}

TEST_F(ReminderWindowTest, ShowsItsSelectionInTheLanguageOfTheFile) {
  ReminderSelection selection = Selection();
  selection.Data.LanguageId = Language::French;
  TChkTovikMain main(log_, dates_);
  ASSERT_TRUE(main.CreateFor(std::move(selection)));
  main.Show(SW_SHOWNOACTIVATE);

  const std::string dash(29, '-');
  const std::pair<ReminderControl, std::string> expected[] = {
      {ReminderControl::lblAppointmentsAndEvents, "'Rendez-vous etc.,' dddd M/d/yyyy@2026-12-8"},
      {ReminderControl::IPTxt1, "* Gym\r\nDentist\r\n"},
      {ReminderControl::lblTomorrow, "Demain"},
      {ReminderControl::IPTxt2, "Lunch\r\n"},
      {ReminderControl::lblWeekAfter, "Semaine prochaine"},
      {ReminderControl::IPTxt3, dash + "\r\ndddd M/d/yyyy@2026-12-12\r\nTrain\r\n"},
      {ReminderControl::lblTodosAndNotes, "Tâches"},
      {ReminderControl::btnExit, "&Quitter"},
      {ReminderControl::IPNot, "-----Shop -----\r\nmilk\r\n"},
  };
  for (const auto& [id, text] : expected) {
    EXPECT_EQ(TextOf(main.Control(id)), text) << static_cast<int>(id);
  }

  // The heading is wider than the left column: it is not cut, and it stops
  // before the to-do heading's text.
  HWND heading = main.Control(ReminderControl::lblAppointmentsAndEvents);
  HDC dc = GetDC(heading);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(heading, WM_GETFONT, 0, 0)));
  const std::wstring text = Utf8ToWide(TextOf(heading));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ReleaseDC(heading, dc);
  ASSERT_GT(extent.cx, 314);
  EXPECT_GE(SizeOf(heading).cx, extent.cx);
  RECT headingRect, todoRect, overlap;
  GetWindowRect(heading, &headingRect);
  GetWindowRect(main.Control(ReminderControl::lblTodosAndNotes), &todoRect);
  EXPECT_FALSE(IntersectRect(&overlap, &headingRect, &todoRect));
}

// Each caption whole, with the locale's own dates on the day whose weekday
// has the longest name; the button's 3 pixels clear of either edge.
TEST_F(ReminderWindowTest, EveryTextFitsInEveryLanguageAndScale) {
  WinDateFormatter dates;
  const auto weekday = [&](int32_t day) { return dates.Format(DateFromDayNumber(day), "dddd"); };
  int32_t longest = kToday;
  for (int32_t day = kToday; day < kToday + 7; ++day) {
    if (weekday(day).size() > weekday(longest).size()) longest = day;
  }
  for (const int dpi : {96, 144, 192}) {
    ui::SetLayoutDpi(dpi);
    for (int language = 1; language <= kLanguageCount; ++language) {
      ReminderSelection selection = Selection();
      selection.Today = longest;
      selection.Data.LanguageId = static_cast<Language>(language);
      TChkTovikMain main(log_, dates);
      ASSERT_TRUE(main.CreateFor(std::move(selection)));
      main.Show(SW_HIDE);  // lettered, without waiting on the screen
      for (const auto& [id, name] : kControlNames) {
        if (std::string_view(name).starts_with("IP")) continue;  // a box scrolls
        const HWND control = main.Control(id);
        const int padding = id == ReminderControl::btnExit ? 6 : 0;
        RECT room;
        GetClientRect(control, &room);
        EXPECT_LE(ui::TextExtent(control, ui::WindowText(control)).cx + padding, room.right)
            << name << " in language " << language << " at " << dpi << " DPI";
      }
    }
  }
  ui::SetLayoutDpi(ui::kDesignDpi);
}

// The colours a control is drawn in, as the window answers WM_CTLCOLORSTATIC.
std::pair<COLORREF, COLORREF> DrawColours(HWND window, HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  LOGBRUSH fill{};
  GetObjectW(brush, sizeof fill, &fill);
  const COLORREF text = GetTextColor(dc);
  DeleteDC(dc);
  return {text, fill.lbColor};
}

TEST_F(ReminderWindowTest, PaintsLabelsAndWindowInTheFilesColours) {
  struct Case {
    int32_t background, font;
    COLORREF backgroundRgb, fontRgb;
  };
  const Case cases[] = {
      {0x00800000, 0x00FFFFFF, RGB(0, 0, 0x80), RGB(0xFF, 0xFF, 0xFF)},
      {static_cast<int32_t>(0x8000000F), static_cast<int32_t>(0x80000008),
       GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)},
  };
  for (const auto& c : cases) {
    ReminderSelection selection = Selection();
    selection.Data.BackgroundColor = c.background;
    selection.Data.FontColor = c.font;
    TChkTovikMain main(log_, dates_);
    ASSERT_TRUE(main.CreateFor(std::move(selection)));
    for (auto label : {ReminderControl::lblAppointmentsAndEvents, ReminderControl::lblTomorrow,
                       ReminderControl::lblWeekAfter, ReminderControl::lblTodosAndNotes}) {
      EXPECT_EQ(DrawColours(main.hwnd(), main.Control(label)),
                std::make_pair(c.fontRgb, c.backgroundRgb));
    }
    EXPECT_EQ(DrawColours(main.hwnd(), main.Control(ReminderControl::IPTxt1)),
              std::make_pair(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)));
  }
}

TEST_F(ReminderWindowTest, EndsWithoutAWindowWhenNothingIsDue) {
  ReminderSelection selection = Selection();
  selection.Data = ReminderData{};
  TChkTovikMain main(log_, dates_);
  EXPECT_FALSE(main.CreateFor(std::move(selection)));
  EXPECT_EQ(main.hwnd(), nullptr);
  EXPECT_EQ(FindWindowW(kReminderClassName, kReminderTitle), nullptr);
}

TEST_F(ReminderWindowTest, LogsTheDamageOfAFileAndShowsWhatCameBefore) {
  const std::string logPath = WorkFolder() + "CheckTovik.log";
  DeleteFileW(Utf8ToWide(logPath).c_str());
  ReminderSelection selection = Selection();
  selection.Data.Damage = "The data file ends inside event record 2 of 3";
  TChkTovikMain main(log_, dates_);
  ASSERT_TRUE(main.CreateFor(std::move(selection)));
  std::ifstream file(logPath, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_NE(content.str().find("Message: The data file ends inside event record 2 of 3"),
            std::string::npos)
      << content.str();
  EXPECT_NE(content.str().find("--Message--"), std::string::npos);
}

TEST_F(ReminderWindowTest, ExitClosesTheWindowAndEndsTheLoop) {
  TChkTovikMain main(log_, dates_);
  ASSERT_TRUE(main.CreateFor(Selection()));
  main.Show(SW_SHOWNOACTIVATE);
  PostMessageW(main.Control(ReminderControl::btnExit), BM_CLICK, 0, 0);
  EXPECT_EQ(RunReminderMessageLoop(main.hwnd()), 0);
  EXPECT_EQ(main.hwnd(), nullptr);
}

// Last: the second instance's guard posts the quit message to this thread.
TEST_F(ReminderWindowTest, ASecondReminderOfTheSameExecutableEnds) {
  TChkTovikMain first(log_, dates_);
  ASSERT_TRUE(first.CreateFor(Selection()));
  TChkTovikMain second(log_, dates_);
  EXPECT_FALSE(second.CreateFor(Selection()));
}

TEST(ReadLookAheadDays, IsSevenUnlessTheExtendedOptionIsOn) {
  const wchar_t* path = L"Software\\Brakvel\\Tovik";
  RegDeleteKeyW(HKEY_CURRENT_USER, path);
  EXPECT_EQ(ReadLookAheadDays(), 7);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS)
      << "the key is created when it is read";
  struct Case {
    DWORD type;
    DWORD value;
    int days;
  };
  for (const Case& c : {Case{REG_DWORD, 1, 28}, Case{REG_DWORD, 0, 7}, Case{REG_DWORD, 5, 28},
                        Case{REG_BINARY, 1, 7}}) {
    RegSetValueExW(key, L"ExtendedLookAhead", 0, c.type, reinterpret_cast<const BYTE*>(&c.value),
                   sizeof c.value);
    EXPECT_EQ(ReadLookAheadDays(), c.days) << c.type << " " << c.value;
  }
  RegSetValueExW(key, L"ExtendedLookAhead", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 4);
  EXPECT_EQ(ReadLookAheadDays(), 7);
  RegCloseKey(key);
}

}  // namespace
}  // namespace tovik
