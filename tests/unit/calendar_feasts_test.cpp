#include <gtest/gtest.h>

#include <string>

#include "calendar/feasts.h"

namespace tovik {
namespace {

TEST(Easter, KnownYears) {
  const CalendarDate cases[] = {
      {2024, 3, 31},
      {2025, 4, 20},
      {2038, 4, 25},
      {2008, 3, 23},
      {1913, 3, 23},
      // Years in which the correction term of the computus is 1.
      {1954, 4, 18},
      {2049, 4, 18},
      {1981, 4, 19},
      {2076, 4, 19},
      {1901, 4, 7},
      {2079, 4, 23},
      {2000, 4, 23},
      {1943, 4, 25},
      {2285, 3, 22},
  };
  for (const auto& c : cases) EXPECT_EQ(EasterSunday(c.Year), c) << c.Year;
}

TEST(Easter, ClosedFormMatchesTheComputusFrom1901To2099) {
  EXPECT_EQ(EasterDayNumber(2024), 45382);
  for (int year = 1901; year <= 2099; ++year) {
    const CalendarDate easter = EasterSunday(year);
    ASSERT_TRUE(easter.Month == 3 || easter.Month == 4) << year;
    EXPECT_EQ(WeekdayOfDayNumber(DayNumberFromDate(easter)), 1) << year;
    EXPECT_EQ(EasterDayNumber(year), DayNumberFromDate(easter)) << year;
  }
}

// Formats like the system with a fixed short date picture; only the pieces
// the feast lines use are understood.
class PictureFormatter : public DateFormatter {
 public:
  explicit PictureFormatter(std::string shortDate) : shortDate_(std::move(shortDate)) {}
  LocaleDateFormats Formats() override { return {shortDate_, "dddd d MMMM yyyy"}; }
  std::string Format(const CalendarDate& date, std::string_view picture) override {
    std::string out;
    for (size_t i = 0; i < picture.size();) {
      size_t run = 1;
      while (i + run < picture.size() && picture[i + run] == picture[i]) ++run;
      const auto number = [&](int v) {
        std::string s = std::to_string(v);
        return run >= 2 && s.size() < 2 ? "0" + s : s;
      };
      switch (picture[i]) {
        case 'd':
          out += number(date.Day);
          break;
        case 'M':
          out += number(date.Month);
          break;
        case 'y':
          out += std::to_string(date.Year);
          break;
        default:
          out.append(picture.substr(i, run));
      }
      i += run;
    }
    return out;
  }

 private:
  std::string shortDate_;
};

TEST(FeastLines, PerLanguageWithDayFirstDates) {
  PictureFormatter formatter("dd-MM-yyyy");
  struct {
    int year;
    int language;
    const char* lines;
  } const cases[] = {
      {2024, 1, "Påskedag 31-03\n\rStore bededag 26-04\n\rKr. himmelfart 09-05\n\rPinsedag 19-05"},
      {2025, 2, "Easter 20-04\n\rWhit Sunday 08-06"},
      {2038, 3, "Ostersonntag 25-04\n\rPfingstsonntag 13-06"},
      {2008, 4, "Pâque 23-03\n\rPentecôte 11-05"},
      {1954, 5, "Pascua 18-04\n\rPentecostés 06-06"},
      {2076, 6, "Paaszondag 19-04\n\rPinksteren 07-06"},
      {2024, 7, ""},
      {2024, 8, ""},
      {2024, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FeastLines(c.year, static_cast<Language>(c.language), formatter), c.lines)
        << c.year << "/" << c.language;
}

// The date keeps the user's order of day and month, without the year.
TEST(FeastLines, DatesFollowTheShortDateWithoutItsYear) {
  PictureFormatter us("M/d/yyyy");
  EXPECT_EQ(FeastLines(2024, Language::English, us), "Easter 3/31\n\rWhit Sunday 5/19");
  PictureFormatter iso("yyyy-MM-dd");
  EXPECT_EQ(FeastLines(2024, Language::English, iso), "Easter 03-31\n\rWhit Sunday 05-19");
}

}  // namespace
}  // namespace tovik
