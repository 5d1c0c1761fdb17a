#include "calendar/feasts.h"

#include <span>
#include <string_view>

namespace tovik {

namespace {

struct Feast {
  std::string_view name;  // ends in the space before the date
  int daysAfterEaster;
};

constexpr Feast kDanish[] = {
    {"Påskedag ", 0}, {"Store bededag ", 26}, {"Kr. himmelfart ", 39}, {"Pinsedag ", 49}};
constexpr Feast kEnglish[] = {{"Easter ", 0}, {"Whit Sunday ", 49}};
constexpr Feast kGerman[] = {{"Ostersonntag ", 0}, {"Pfingstsonntag ", 49}};
constexpr Feast kFrench[] = {{"Pâque ", 0}, {"Pentecôte ", 49}};
constexpr Feast kSpanish[] = {{"Pascua ", 0}, {"Pentecostés ", 49}};
constexpr Feast kDutch[] = {{"Paaszondag ", 0}, {"Pinksteren ", 49}};

std::span<const Feast> FeastsOf(Language language) {
  switch (language) {
    case Language::Danish:
      return kDanish;
    case Language::English:
      return kEnglish;
    case Language::German:
      return kGerman;
    case Language::French:
      return kFrench;
    case Language::Spanish:
      return kSpanish;
    case Language::Dutch:
      return kDutch;
    default:
      return {};
  }
}

struct EasterMonthDay {
  int month;
  int day;
};

// The anonymous Gregorian computus.
EasterMonthDay Computus(int y) {
  const int a = y % 19;
  const int b = y / 100;
  const int c = y % 100;
  const int g = (8 * b + 13) / 25;
  const int h = (19 * a + b - b / 4 - g + 15) % 30;
  const int m = (a + 11 * h) / 319;
  const int r = (2 * (b % 4) + 2 * (c / 4) - c % 4 - h + m + 32) % 7;
  const int n = (h - m + r + 90) / 25;
  const int p = (h - m + r + n + 19) % 32;
  return {n, p};
}

}  // namespace

CalendarDate EasterSunday(int year) {
  const EasterMonthDay e = Computus(year);
  return {year, e.month, e.day};
}

// (Y - 1900) * 365.25 - 395.25 and n * 30.57, truncated, in whole numbers:
// C++ division truncates towards zero, as truncating the products does.
int32_t EasterDayNumber(int year) {
  const EasterMonthDay e = Computus(year);
  const int t = year - 1900;
  const int k = t % 4 == 0 ? 1 : 2;
  return (t * 1461 - 1581) / 4 + e.month * 3057 / 100 + e.day - k + 366;
}

std::string FeastLines(int year, Language language, DateFormatter& formatter) {
  const int32_t easter = EasterDayNumber(year);
  const std::string picture = DayMonthPicture(formatter.Formats().ShortDate);
  std::string lines;
  for (const Feast& feast : FeastsOf(language)) {
    if (!lines.empty()) lines += "\n\r";
    lines += feast.name;
    lines += formatter.Format(DateFromDayNumber(easter + feast.daysAfterEaster), picture);
  }
  return lines;
}

}  // namespace tovik
