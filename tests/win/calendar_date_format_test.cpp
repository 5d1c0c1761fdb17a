// locales: en_US.UTF-8 da_DK.UTF-8
#include <windows.h>
#include <gtest/gtest.h>

#include "base/wide_text_win.h"
#include "calendar/date_format_win.h"

namespace tovik {
namespace {

std::wstring SystemDate(const CalendarDate& date, DWORD flags) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(date.Year);
  st.wMonth = static_cast<WORD>(date.Month);
  st.wDay = static_cast<WORD>(date.Day);
  wchar_t text[128];
  const int length = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &st, nullptr, text, 128);
  return std::wstring(text, length > 0 ? length - 1 : 0);
}

std::string LocaleText(LCTYPE type) {
  wchar_t text[128];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 128);
  return WideToUtf8(std::wstring_view(text, length > 0 ? length - 1 : 0));
}

TEST(WinDateFormatter, ShortAndLongDateAreTheSystems) {
  WinDateFormatter formatter;
  const CalendarDate date{2024, 4, 1};
  EXPECT_FALSE(formatter.Formats().ShortDate.empty());
  EXPECT_EQ(FormatDate(formatter, date, "ddddd"), WideToUtf8(SystemDate(date, DATE_SHORTDATE)));
  EXPECT_EQ(FormatDate(formatter, date, "dddddd"), WideToUtf8(SystemDate(date, DATE_LONGDATE)));
}

TEST(WinDateFormatter, PicturesWithWeekdaysAndLiterals) {
  WinDateFormatter formatter;
  // 1 April 2024 is a Monday: the weekday comes from the date itself.
  EXPECT_EQ(formatter.Format({2024, 4, 1}, "dddd"), LocaleText(LOCALE_SDAYNAME1));
  EXPECT_EQ(formatter.Format({2024, 3, 31}, "ddd"), LocaleText(LOCALE_SABBREVDAYNAME7));
  EXPECT_EQ(formatter.Format({2024, 3, 9}, "yyyy-MM-dd"), "2024-03-09");
  EXPECT_EQ(FormatDate(formatter, {2024, 3, 9}, "\"l'an\" yyyy"), "l'an 2024");
  EXPECT_EQ(FormatDate(formatter, {2024, 3, 9}, "\"Påske dag\" d"), "Påske dag 9");
}

}  // namespace
}  // namespace tovik
