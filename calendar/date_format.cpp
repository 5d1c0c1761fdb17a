#include "calendar/date_format.h"

#include <algorithm>
#include <vector>

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

// A picture's date letters (a run of one letter), its quoted literals and
// the characters between them; separators are what is neither.
bool IsDateLetter(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'g';
}

size_t PartEnd(std::string_view picture, size_t at) {
  const char c = picture[at];
  if (c == '\'') {
    const size_t close = picture.find('\'', at + 1);
    return close == std::string_view::npos ? picture.size() : close + 1;
  }
  size_t end = at + 1;
  if (IsDateLetter(c)) {
    while (end < picture.size() && picture[end] == c) ++end;
  } else {
    while (end < picture.size() && !IsDateLetter(picture[end]) && picture[end] != '\'') ++end;
  }
  return end;
}

}  // namespace

// The separator goes with the year: the one after it when the year leads,
// else the one before it, so that no separator is left at either end.
std::string DayMonthPicture(std::string_view shortDate) {
  struct Part {
    size_t begin, end;
    bool letters;
  };
  std::vector<Part> parts;
  for (size_t at = 0; at < shortDate.size();) {
    const size_t end = PartEnd(shortDate, at);
    parts.push_back({at, end, IsDateLetter(shortDate[at])});
    at = end;
  }
  const auto year = std::find_if(parts.begin(), parts.end(),
                                 [&](const Part& p) { return shortDate[p.begin] == 'y'; });
  if (year == parts.end()) return std::string(shortDate);
  auto first = year;
  auto last = year + 1;
  if (last != parts.end() && !last->letters) {
    ++last;
  } else if (first != parts.begin() && !(first - 1)->letters) {
    --first;
  }
  std::string picture(shortDate.substr(0, first->begin));
  if (last != parts.end()) picture += shortDate.substr(last->begin);
  return picture;
}

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
