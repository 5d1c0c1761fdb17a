// locales: en_US.UTF-8 da_DK.UTF-8
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "calendar/kx_calendar_win.h"

namespace tovik {
namespace {

double DateValueOf(int year, int month, int day) {
  return DayNumberFromDate(year, month, day);
}

std::wstring LocaleText(LCTYPE type) {
  wchar_t text[64];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 64);
  return std::wstring(text, length > 0 ? length - 1 : 0);
}

// A plain top-level window standing in for the organiser's calendar page.
class CalendarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CalendarTestHost";
    RegisterClassW(&wc);
    host_ = CreateWindowW(L"CalendarTestHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                          nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    calendar.reset();
    DestroyWindow(host_);
  }

  void Create(double dateValue, int startOfWeek = 1) {
    calendar =
        TkxCalendar::Create({.parent = host_, .startOfWeek = startOfWeek, .dateValue = dateValue});
    calendar->OnChange = [this] { ++changes; };
    calendar->OnClick = [this] { ++clicks; };
  }

  CalendarDate Shown() const { return {calendar->Year(), calendar->Month(), calendar->Day()}; }

  void ClickCell(int col, int row) {
    const RECT r = calendar->CellRect(col, row);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(calendar->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(calendar->hwnd(), WM_LBUTTONUP, 0, at);
  }
  void Key(WPARAM key) { SendMessageW(calendar->hwnd(), WM_KEYDOWN, key, 0); }

  HWND host_ = nullptr;
  std::unique_ptr<TkxCalendar> calendar;
  int changes = 0;
  int clicks = 0;
};

TEST_F(CalendarTest, RegistersItsOwnClassAtTheDesignedSize) {
  Create(DateValueOf(2024, 1, 10));
  wchar_t name[64];
  GetClassNameW(calendar->hwnd(), name, 64);
  EXPECT_STREQ(name, L"TkxCalendar");
  RECT client;
  GetClientRect(calendar->hwnd(), &client);
  EXPECT_EQ(client.right, 176);
  EXPECT_EQ(client.bottom, 93);
  EXPECT_EQ(calendar->DefaultColWidth(), 24);
  EXPECT_EQ(calendar->DefaultRowHeight(), 12);
  SetWindowPos(calendar->hwnd(), nullptr, 0, 0, 183, 100, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(calendar->DefaultColWidth(), 25);
  EXPECT_EQ(calendar->DefaultRowHeight(), 13);
  calendar->SetGridLineWidth(2);
  EXPECT_EQ(calendar->DefaultColWidth(), 24);
  EXPECT_EQ(calendar->DefaultRowHeight(), 12);
}

TEST_F(CalendarTest, LaysOutDayOneInItsWeekdaysColumn) {
  struct {
    CalendarDate date;
    int startOfWeek;
    int offset;
    int firstColumn;
  } const cases[] = {
      {{2023, 1, 15}, 1, -5, 6},  // 1 January 2023 is a Sunday
      {{2024, 1, 15}, 1, 1, 0},   // a Monday
      {{2024, 6, 15}, 0, -5, 6},  // a Saturday, Sunday first
      {{2024, 6, 15}, 1, -4, 5},
  };
  for (const auto& c : cases) {
    Create(DayNumberFromDate(c.date), c.startOfWeek);
    EXPECT_EQ(calendar->MonthOffset(), c.offset);
    EXPECT_EQ(calendar->DayCellText(c.firstColumn, 1), L"1");
    if (c.firstColumn > 0) {
      EXPECT_EQ(calendar->DayCellText(c.firstColumn - 1, 1), L"");
    }
    // The current cell is the date's day.
    EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"15");
  }
}

// The abbreviated names where the cells have room for them.
TEST_F(CalendarTest, HeaderShowsTheLocalesAbbreviatedNamesWhereTheyFit) {
  Create(DateValueOf(2024, 1, 10), 1);
  SetWindowPos(calendar->hwnd(), nullptr, 0, 0, 360, 93, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(calendar->DayCellText(0, 0), LocaleText(LOCALE_SABBREVDAYNAME1));  // Monday
  EXPECT_EQ(calendar->DayCellText(6, 0), LocaleText(LOCALE_SABBREVDAYNAME7));  // Sunday
  EXPECT_EQ(calendar->DayCellText(2, 5), L"31");
  EXPECT_EQ(calendar->DayCellText(3, 5), L"");
}

TEST_F(CalendarTest, StartOfWeekShiftsColumnsWithoutNotifying) {
  Create(DateValueOf(2024, 1, 10), 1);
  const std::wstring sunday = calendar->DayCellText(6, 0);
  calendar->SetStartOfWeek(0);
  calendar->SetStartOfWeek(7);  // not a weekday
  EXPECT_EQ(calendar->StartOfWeek(), 0);
  EXPECT_EQ(calendar->DayCellText(0, 0), sunday);
  EXPECT_EQ(calendar->DayCellText(1, 1), L"1");
  EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"10");
  EXPECT_EQ(changes, 0);
}

TEST_F(CalendarTest, DateElementsCutTheDayAndNotifyOnce) {
  Create(DateValueOf(2024, 1, 31));
  EXPECT_TRUE(calendar->UseCurrentDate());
  calendar->SetMonth(2);
  EXPECT_EQ(Shown(), (CalendarDate{2024, 2, 29}));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(calendar->UseCurrentDate());
  calendar->SetYear(2025);
  EXPECT_EQ(Shown(), (CalendarDate{2025, 2, 28}));
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"28");
}

TEST_F(CalendarTest, IgnoredDateElementsDoNotNotify) {
  Create(DateValueOf(2024, 4, 10));
  calendar->SetDay(31);
  calendar->SetDay(0);
  calendar->SetDay(10);
  calendar->SetMonth(13);
  calendar->SetMonth(4);
  calendar->SetYear(2024);
  calendar->SetYear(-1);
  EXPECT_EQ(Shown(), (CalendarDate{2024, 4, 10}));
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(calendar->UseCurrentDate());
}

TEST_F(CalendarTest, DateValueKeepsTheTimeAndNotifies) {
  Create(DateValueOf(2024, 4, 10));
  calendar->SetDateValue(DateValueOf(2023, 2, 5) + 0.75);
  EXPECT_DOUBLE_EQ(calendar->DateValue(), DateValueOf(2023, 2, 5) + 0.75);
  EXPECT_EQ(Shown(), (CalendarDate{2023, 2, 5}));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(calendar->UseCurrentDate());
  calendar->SetEventDates(0xFF);
  EXPECT_EQ(changes, 1);
}

TEST_F(CalendarTest, UseCurrentDateReturnsToTodayWithoutNotifying) {
  Create(DateValueOf(2001, 4, 10));
  calendar->SetDay(11);
  ASSERT_FALSE(calendar->UseCurrentDate());
  changes = 0;
  calendar->SetUseCurrentDate(true);
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(Shown(), (CalendarDate{now.wYear, now.wMonth, now.wDay}));
  EXPECT_EQ(changes, 0);
}

TEST_F(CalendarTest, ClickPicksADayAndNotifies) {
  Create(DateValueOf(2024, 1, 10));  // Monday first: 1 January in column 0
  ClickCell(2, 3);                   // day 17
  EXPECT_EQ(Shown(), (CalendarDate{2024, 1, 17}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  ClickCell(2, 3);  // the same day again: a click, but no change
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 2);
}

TEST_F(CalendarTest, ClicksOnEmptyAndHeaderCellsChangeNothing) {
  Create(DateValueOf(2024, 1, 10));
  ClickCell(6, 6);  // after 31 January
  ClickCell(3, 0);  // a weekday name
  EXPECT_EQ(Shown(), (CalendarDate{2024, 1, 10}));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"10");
}

TEST_F(CalendarTest, DoubleClickIsReported) {
  Create(DateValueOf(2024, 1, 10));
  int doubleClicks = 0;
  calendar->OnDblClick = [&] { ++doubleClicks; };
  const RECT r = calendar->CellRect(3, 2);
  SendMessageW(calendar->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(calendar->Day(), 11);
}

TEST_F(CalendarTest, ArrowKeysStopAtEmptyCellsAndEdges) {
  Create(DateValueOf(2023, 1, 1));  // Sunday: the last column of row 1
  Key(VK_LEFT);                     // an empty cell
  Key(VK_RIGHT);                    // past the last column
  Key(VK_UP);                       // the header row
  EXPECT_EQ(calendar->Day(), 1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(clicks, 0);
  Key(VK_DOWN);
  EXPECT_EQ(calendar->Day(), 8);
  Key(VK_LEFT);
  EXPECT_EQ(calendar->Day(), 7);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(clicks, 2);

  calendar->SetDay(31);  // Tuesday, column 1 of row 6
  Key(VK_DOWN);
  Key(VK_RIGHT);  // 1 February is not in this month
  EXPECT_EQ(calendar->Day(), 31);
}

TEST_F(CalendarTest, ReadOnlyRefusesTheUserButNotTheProgram) {
  Create(DateValueOf(2024, 1, 10));
  calendar->SetReadOnly(true);
  ClickCell(2, 3);
  Key(VK_RIGHT);
  EXPECT_EQ(calendar->Day(), 10);
  EXPECT_EQ(changes, 0);
  calendar->SetDateValue(DateValueOf(2024, 3, 20));
  EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"20");
  calendar->SetDay(21);
  EXPECT_EQ(calendar->DayCellText(calendar->Col(), calendar->Row()), L"21");
  EXPECT_EQ(changes, 2);
}

// Renders the control into a 32-bit bitmap and counts the pixels of a colour
// inside a cell.
class Rendering {
 public:
  explicit Rendering(TkxCalendar& calendar) : calendar_(calendar) {
    RECT client;
    GetClientRect(calendar.hwnd(), &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(calendar.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    pixels_.assign(pixels, pixels + width_ * height_);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  int Count(int col, int row, COLORREF color) const {
    const uint32_t bgrx = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
    const RECT r = calendar_.CellRect(col, row);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if ((pixels_[y * width_ + x] & 0xFFFFFF) == bgrx) ++n;
    return n;
  }

 private:
  TkxCalendar& calendar_;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

TEST_F(CalendarTest, MarkedDaysAreRedOrYellowWhenCurrent) {
  constexpr COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0);
  constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
  Create(DateValueOf(2024, 1, 1));  // 1 January in column 0, 31 in column 2 of row 5
  calendar->SetEventDates(1u << 0 | 1u << 30);
  {
    const Rendering shot(*calendar);
    EXPECT_GT(shot.Count(0, 1, kYellow), 0);  // day 1: marked and current
    EXPECT_EQ(shot.Count(0, 1, kRed), 0);
    EXPECT_GT(shot.Count(2, 5, kRed), 0);    // day 31: marked
    EXPECT_GT(shot.Count(1, 1, kBlack), 0);  // day 2: plain
    EXPECT_EQ(shot.Count(1, 1, kRed), 0);
  }
  calendar->SetDay(2);
  {
    const Rendering shot(*calendar);
    EXPECT_GT(shot.Count(0, 1, kRed), 0);
    EXPECT_EQ(shot.Count(0, 1, kYellow), 0);
    EXPECT_GT(shot.Count(1, 1, kWhite), 0);  // current, not marked
    EXPECT_GT(shot.Count(1, 1, GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_EQ(shot.Count(1, 1, kBlack), 0);
  }
}

}  // namespace
}  // namespace tovik
