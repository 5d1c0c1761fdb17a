#pragma once
#include <string>
#include <string_view>

#include "base/day_number.h"

namespace tovik {

// The user's date formats as Windows date pictures, e.g. "M/d/yyyy" and
// "dddd, MMMM d, yyyy".
struct LocaleDateFormats {
  std::string ShortDate;
  std::string LongDate;
};

// Turns a date pattern of the kind the programs use ("ddddd" is the short
// date, "dddddd" the long date, text in double quotes is literal, the other
// letters as in a Windows date picture) into a picture for the platform's
// date formatter, with literals in single quotes.
std::string DatePatternToPicture(std::string_view pattern, const LocaleDateFormats& formats);

// The day and the month of a short date picture in the user's order: the
// picture without its year part and the separator beside it ("M/d/yyyy"
// gives "M/d", "yyyy-MM-dd" gives "MM-dd"). A picture without a year stays
// as it is.
std::string DayMonthPicture(std::string_view shortDate);

// The platform's date formatter (GetDateFormatW on Windows). Texts are UTF-8.
class DateFormatter {
 public:
  virtual ~DateFormatter() = default;
  virtual LocaleDateFormats Formats() = 0;
  virtual std::string Format(const CalendarDate& date, std::string_view picture) = 0;
};

// Formats a date with a pattern as DatePatternToPicture reads it. The prefix
// goes in front of the locale's long date (the organiser's Danish "dddd, ").
std::string FormatDate(DateFormatter& formatter, const CalendarDate& date, std::string_view pattern,
                       std::string_view longDatePrefix = {});

}  // namespace tovik
