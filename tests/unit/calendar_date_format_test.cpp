#include <gtest/gtest.h>

#include "calendar/date_format.h"

namespace tovik {
namespace {

const LocaleDateFormats kEnglish{"M/d/yyyy", "dddd, MMMM d, yyyy"};
const LocaleDateFormats kDanish{"dd-MM-yyyy", "dddd 'den' d. MMMM yyyy"};

struct PictureCase {
  const char* pattern;
  LocaleDateFormats formats;
  const char* picture;
};

TEST(DatePatternToPicture, ExpandsLocaleFormatsAndQuotesLiterals) {
  const PictureCase cases[] = {
      {"ddddd", kEnglish, "M/d/yyyy"},
      {"dddddd", kEnglish, "dddd, MMMM d, yyyy"},
      {"dddddd", kDanish, "dddd 'den' d. MMMM yyyy"},
      {"ddddddd", kEnglish, "dddd, MMMM d, yyyy"},
      {"d dd ddd dddd", kEnglish, "d dd ddd dddd"},
      {"dddd ddddd", kDanish, "dddd dd-MM-yyyy"},
      {"ddddd, ddd", kEnglish, "M/d/yyyy, ddd"},
      // The reminder's heading: a quoted word, the weekday, the short date.
      {"\"Appointments etc.,\" dddd ddddd", kEnglish, "'Appointments etc.,' dddd M/d/yyyy"},
      // The print heading: spaces and a title as literal, then the long date.
      {"\"   Diary\", dddddd", kDanish, "'   Diary', dddd 'den' d. MMMM yyyy"},
      // Letters in a literal are not read as date letters.
      {"\"day d\"", kEnglish, "'day d'"},
      // A single quote inside a literal is doubled, an empty literal vanishes.
      {"\"l'an\" yyyy", kEnglish, "'l''an' yyyy"},
      {"\"\"ddddd", kEnglish, "M/d/yyyy"},
      // An unclosed quote runs to the end of the pattern.
      {"yyyy \"open", kEnglish, "yyyy 'open'"},
      // Single-quoted text stays a literal.
      {"'de' MMMM", kEnglish, "'de' MMMM"},
      {"", kEnglish, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DatePatternToPicture(c.pattern, c.formats), c.picture) << c.pattern;
  }
}

// The year and the separator beside it go; day and month keep their order,
// separators and literals.
TEST(DayMonthPicture, DropsTheYearAndTheSeparatorBesideIt) {
  const struct {
    const char* shortDate;
    const char* picture;
  } cases[] = {
      {"M/d/yyyy", "M/d"},
      {"dd-MM-yyyy", "dd-MM"},
      {"yyyy-MM-dd", "MM-dd"},
      {"d. M. yyyy", "d. M"},
      // A separator after the year goes with it, also one at the end.
      {"yyyy.MM.dd.", "MM.dd."},
      {"MM yyyy dd", "MM dd"},
      // A quoted literal beside the year is a separator like any other.
      {"yyyy'年'M'月'd'日'", "M'月'd'日'"},
      // Without a year there is nothing to remove.
      {"dd/MM", "dd/MM"},
      {"yyyy", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DayMonthPicture(c.shortDate), c.picture) << c.shortDate;
}

class RecordingFormatter : public DateFormatter {
 public:
  LocaleDateFormats Formats() override { return formats; }
  LocaleDateFormats formats = kDanish;
  std::string Format(const CalendarDate&, std::string_view picture) override {
    return std::string(picture);
  }
};

TEST(FormatDate, PrefixesOnlyTheLongDate) {
  RecordingFormatter formatter;
  const CalendarDate date{2024, 3, 31};
  // A long date that already begins with the weekday does not get it twice.
  EXPECT_EQ(FormatDate(formatter, date, "dddddd", "dddd, "), "dddd 'den' d. MMMM yyyy");
  EXPECT_EQ(FormatDate(formatter, date, "ddddd", "dddd, "), "dd-MM-yyyy");
  formatter.formats.LongDate = "d. MMMM yyyy";
  EXPECT_EQ(FormatDate(formatter, date, "dddddd", "dddd, "), "dddd, d. MMMM yyyy");
  EXPECT_EQ(FormatDate(formatter, date, "dddddd"), "d. MMMM yyyy");
  formatter.formats = kDanish;
  EXPECT_EQ(FormatDate(formatter, date, "dddddd"), "dddd 'den' d. MMMM yyyy");
}

}  // namespace
}  // namespace tovik
