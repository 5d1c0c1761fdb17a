#pragma once
#include <array>
#include <string>
#include <string_view>

#include "base/day_number.h"
#include "calendar/date_format.h"

namespace tovik::testing {

// A date formatter for the reminder's tests that really applies the pictures
// it is given (d, dd, dddd, M, MM, yyyy and quoted literals), with English
// weekday names and a short date of M/d/yyyy unless told otherwise.
class PictureFormatter : public DateFormatter {
 public:
  explicit PictureFormatter(LocaleDateFormats formats = {"M/d/yyyy", "dddd, MMMM d, yyyy"})
      : formats_(std::move(formats)) {}
  LocaleDateFormats Formats() override { return formats_; }
  std::string Format(const CalendarDate& date, std::string_view picture) override {
    static constexpr std::array<const char*, 7> kWeekdays{
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    std::string out;
    for (size_t i = 0; i < picture.size();) {
      const char c = picture[i];
      size_t run = 1;
      while (i + run < picture.size() && picture[i + run] == c) ++run;
      if (c == '\'') {
        const size_t close = picture.find('\'', i + 1);
        out += picture.substr(i + 1, close - i - 1);
        i = close + 1;
        continue;
      }
      if (c == 'd' && run >= 3) {
        out += kWeekdays[WeekdayOfDayNumber(DayNumberFromDate(date)) - 1];
      } else if (c == 'd' || c == 'M') {
        const int v = c == 'd' ? date.Day : date.Month;
        if (run == 2 && v < 10) out += '0';
        out += std::to_string(v);
      } else if (c == 'y') {
        out += std::to_string(date.Year);
      } else {
        out.append(run, c);
      }
      i += run;
    }
    return out;
  }

 private:
  LocaleDateFormats formats_;
};

inline int32_t Day(int year, int month, int day) {
  return DayNumberFromDate(year, month, day);
}

}  // namespace tovik::testing
