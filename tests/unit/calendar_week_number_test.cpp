#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "base/day_number.h"
#include "calendar/week_number.h"

namespace tovik {
namespace {

constexpr int kSunday = 0;
constexpr int kMonday = 1;

struct WeekCase {
  CalendarDate date;
  int startOfWeek;
  int rule;
  const char* text;
};

TEST(WeekNumberText, EdgeCases) {
  const WeekCase cases[] = {
      // The international standard week: Monday first, four-day rule.
      {{2009, 1, 1}, kMonday, 3, "01"},
      {{2010, 1, 1}, kMonday, 3, "53"},
      {{2010, 1, 4}, kMonday, 3, "01"},
      {{2005, 1, 2}, kMonday, 3, "53"},
      {{2005, 1, 3}, kMonday, 3, "01"},
      // First full week: the January days before it belong to the old year.
      {{2019, 12, 30}, kMonday, 2, "52"},
      {{2020, 1, 5}, kMonday, 2, "52"},
      {{2020, 1, 6}, kMonday, 2, "01"},
      // Week of 1 January.
      {{2023, 1, 1}, kMonday, 1, "01"},
      {{2023, 1, 2}, kMonday, 1, "02"},
      {{2022, 12, 25}, kMonday, 1, "52"},
      // The first day of the week moves a Sunday into another week.
      {{2024, 3, 31}, kMonday, 3, "13"},
      {{2024, 3, 31}, kSunday, 3, "14"},
      {{2024, 4, 1}, kMonday, 3, "14"},
      {{2024, 4, 1}, kSunday, 3, "14"},
      {{2023, 1, 1}, kMonday, 3, "52"},
      {{2023, 1, 1}, kSunday, 3, "01"},
      // The first days of 1901 lie in the last week of 1900.
      {{1901, 1, 1}, kSunday, 2, "52"},
      {{1901, 1, 5}, kSunday, 2, "52"},
      {{1901, 1, 6}, kSunday, 2, "01"},
      {{1901, 1, 1}, kMonday, 2, "53"},
      {{1901, 1, 6}, kMonday, 2, "53"},
      {{1901, 1, 7}, kMonday, 2, "01"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekNumberText(DayNumberFromDate(c.date), c.startOfWeek, c.rule), c.text)
        << c.date.Year << "-" << c.date.Month << "-" << c.date.Day << " S=" << c.startOfWeek
        << " R=" << c.rule;
  }
}

// December days that share their week with the next 1 January show week 1 of
// the new year, like the January days of that week.
TEST(WeekNumberText, LastDecemberDaysJoinTheNextYearsFirstWeek) {
  const WeekCase cases[] = {
      {{2008, 12, 28}, kMonday, 3, "52"},
      {{2008, 12, 29}, kMonday, 3, "01"},
      {{2008, 12, 31}, kMonday, 3, "01"},
      {{2009, 1, 4}, kMonday, 3, "01"},
      {{2012, 12, 30}, kMonday, 1, "53"},
      {{2012, 12, 31}, kMonday, 1, "01"},
      // 2000 is a leap year starting on a Saturday: with Sunday first its
      // last day would be week 54 if numbered on.
      {{2000, 12, 30}, kSunday, 1, "53"},
      {{2000, 12, 31}, kSunday, 1, "01"},
      // A week that starts on 1 January leaves the old year's weeks alone.
      {{2023, 12, 31}, kMonday, 1, "53"},
      // The first-full-week rule never moves December days.
      {{2008, 12, 31}, kMonday, 2, "52"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekNumberText(DayNumberFromDate(c.date), c.startOfWeek, c.rule), c.text)
        << c.date.Year << "-" << c.date.Month << "-" << c.date.Day << " S=" << c.startOfWeek
        << " R=" << c.rule;
  }
}

// The C library's week numbers, from its own calendar (gmtime), as the oracle.
class StrftimeOracle {
 public:
  explicit StrftimeOracle(int32_t dayNumber) {
    const time_t t = (time_t{dayNumber} - 25569) * 86400;
    gmtime_r(&t, &tm_);
  }
  int Year() const { return tm_.tm_year + 1900; }
  int Month() const { return tm_.tm_mon + 1; }
  int Weekday() const { return tm_.tm_wday; }
  // A field of strftime, with the weekday seen one day later when asked: that
  // turns a Sunday-first week into the Monday-first week strftime knows.
  int Field(const char* format, bool sundayFirst = false) const {
    std::tm shifted = tm_;
    if (sundayFirst) shifted.tm_wday = (tm_.tm_wday + 1) % 7;
    char text[8];
    strftime(text, sizeof text, format, &shifted);
    return std::stoi(text);
  }

 private:
  std::tm tm_{};
};

int OracleWeek(int32_t day, int startOfWeek, int rule) {
  const StrftimeOracle d(day);
  const bool sunday = startOfWeek == kSunday;
  const char* fullWeeks = sunday ? "%U" : "%W";
  switch (rule) {
    case 3:
      return d.Field("%V", sunday);
    case 2: {
      const int n = d.Field(fullWeeks);
      if (n > 0) return n;
      return StrftimeOracle(DayNumberFromDate(d.Year() - 1, 12, 31)).Field(fullWeeks);
    }
    default: {
      // Week 1 holds 1 January: one more than the count of full weeks unless
      // the year starts on the first day of a week.
      const StrftimeOracle jan1(DayNumberFromDate(d.Year(), 1, 1));
      const StrftimeOracle dec31(DayNumberFromDate(d.Year(), 12, 31));
      const int lastWeekday = (startOfWeek + 6) % 7;
      if (dec31.Weekday() != lastWeekday && d.Field(fullWeeks) == dec31.Field(fullWeeks) &&
          d.Month() == 12)
        return 1;
      return d.Field(fullWeeks) + (jan1.Weekday() == startOfWeek ? 0 : 1);
    }
  }
}

// Through the end of 2079: the calendar shows the days after 4 June 2079 too.
TEST(WeekNumber, AgreesWithStrftimeOnEveryDayOfTheRange) {
  const int32_t first = DayNumberFromDate(1901, 1, 1);
  const int32_t last = DayNumberFromDate(2079, 12, 31);
  ASSERT_EQ(first, 367);
  ASSERT_GT(last, kLastStorableDay);
  int failures = 0;
  for (int32_t day = first; day <= last && failures < 10; ++day) {
    for (int s : {kSunday, kMonday}) {
      for (int rule : {1, 2, 3}) {
        const int expected = OracleWeek(day, s, rule);
        const int actual = WeekNumber(day, s, rule);
        if (actual != expected) {
          ++failures;
          ADD_FAILURE() << "day " << day << " S=" << s << " R=" << rule << ": " << actual
                        << ", oracle " << expected;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tovik
