#include "calendar/date_format.h"

namespace tovik {

namespace {

// Appends text as one literal of a Windows date picture. A single quote inside
// a literal is written twice; an empty literal writes nothing, because "''"
// alone would print a quote.
void AppendLiteral(std::string& picture, std::string_view text) {
  if (text.empty()) return;
  picture += '\'';
  for (char c : text) {
    if (c == '\'') picture += '\'';
    picture += c;
  }
  picture += '\'';
}

}  // namespace

// The programs' patterns differ from Windows pictures in three ways: a run of
// five d's is the short date, six or more the long date, and literals stand in
// double quotes. The locale's own formats are copied as they are: they are
// already pictures, single-quoted literals included.
std::string DatePatternToPicture(std::string_view pattern, const LocaleDateFormats& formats) {
  std::string picture;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      const size_t close = pattern.find(c, i + 1);
      const size_t end = close == std::string_view::npos ? pattern.size() : close;
      AppendLiteral(picture, pattern.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? end : close + 1;
    } else if (c == 'd') {
      size_t run = 1;
      while (i + run < pattern.size() && pattern[i + run] == 'd') ++run;
      if (run == 5) {
        picture += formats.ShortDate;
      } else if (run >= 6) {
        picture += formats.LongDate;
      } else {
        picture.append(run, 'd');
      }
      i += run;
    } else {
      picture += c;
      ++i;
    }
  }
  return picture;
}

// The prefix puts the weekday's name in front of a long date that lacks it;
// a long date that already begins with the weekday keeps it once.
std::string FormatDate(DateFormatter& formatter, const CalendarDate& date, std::string_view pattern,
                       std::string_view longDatePrefix) {
  LocaleDateFormats formats = formatter.Formats();
  const bool startsWithWeekday =
      formats.LongDate.rfind("dddd", 0) == 0 && formats.LongDate.rfind("ddddd", 0) != 0;
  if (!startsWithWeekday) formats.LongDate.insert(0, longDatePrefix);
  return formatter.Format(date, DatePatternToPicture(pattern, formats));
}

}  // namespace tovik
