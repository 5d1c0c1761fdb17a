#include "organiser/output/icalendar_export.h"

#include <array>
#include <cstdio>
#include <map>

#include "base/content_hash.h"
#include "base/day_number.h"
#include "organiser/output/diary_export.h"

namespace tovik {
namespace {

constexpr size_t kLineOctets = 75;
constexpr int kCommonYear = 2001;  // a year without 29 February
constexpr std::array<std::string_view, 7> kWeekdays{"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

std::string DateValue(int32_t dayNumber) {
  const CalendarDate date = DateFromDayNumber(dayNumber);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.Year, date.Month, date.Day);
  return text;
}

// A long line goes on in lines that begin with a space; a cut never falls
// inside a UTF-8 character.
std::string Folded(std::string_view line) {
  std::string out;
  size_t room = kLineOctets;
  while (line.size() > room) {
    size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    if (cut == 0) cut = room;  // no character starts in reach: not UTF-8 at all
    out.append(line.substr(0, cut));
    out.append("\r\n ");
    line.remove_prefix(cut);
    room = kLineOctets - 1;
  }
  out.append(line);
  out.append("\r\n");
  return out;
}

// Every line break (CR LF, a lone CR or LF) becomes "\n"; control
// characters that a TEXT value cannot hold are dropped.
std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\r' || c == '\n') {
      out += "\\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) || c == '\t') {
      out += c;
    }
  }
  return out;
}

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

// The same event in every export has the same UID: a hash of its month, day
// and text (FNV-1a).
std::string EventUid(const PeriodicEvent& event, std::string_view text) {
  const char date[] = {static_cast<char>(event.Month), static_cast<char>(event.Day)};
  const uint64_t hash = Fnv1a(text, Fnv1a(std::string_view(date, 2)));
  char uid[32];
  std::snprintf(uid, sizeof uid, "event-%016llx", static_cast<unsigned long long>(hash));
  return uid;
}

}  // namespace

// A day that a month lacks falls on the month's last day, as the reminder
// has it. BYMONTHDAY=-1 says so where the event's day is that month's last
// or beyond it in any year. A monthly event on the 29th or 30th becomes two
// rules: that day in every month but February, and February's last day.
// The single RFC 5545 rule "BYMONTHDAY=d,-1;BYSETPOS=1" would say the same,
// but calendar programs such as calcurse ignore BYSETPOS and would show the
// event twice in long months.
std::vector<ICalendarRecurrence> EventRecurrences(uint8_t month, uint8_t day,
                                                  const EventToday& today) {
  const std::string byMonthDay = "BYMONTHDAY=" + std::to_string(day);
  if (month == kEveryWeek) {
    if (day < 1 || day > 7) return {};
    return {{today.DayNumber + (day - today.Weekday + 7) % 7,
             "FREQ=WEEKLY;BYDAY=" + std::string(kWeekdays[day - 1])}};
  }
  const std::optional<int32_t> next = EventDueDate(month, day, today);
  if (!next) return {};
  if (month != kEveryMonth) {
    const bool lastDay = day > DaysInMonth(kCommonYear, month);
    return {{*next, "FREQ=YEARLY;BYMONTH=" + std::to_string(month) + ";" +
                        (lastDay ? "BYMONTHDAY=-1" : byMonthDay)}};
  }
  if (day <= 28) return {{*next, "FREQ=MONTHLY;" + byMonthDay}};
  if (day == 31) return {{*next, "FREQ=MONTHLY;BYMONTHDAY=-1"}};
  const int32_t notFebruary =
      DateFromDayNumber(*next).Month == 2 ? *EventDueDate(3, day, today) : *next;
  return {{notFebruary, "FREQ=MONTHLY;BYMONTH=1,3,4,5,6,7,8,9,10,11,12;" + byMonthDay},
          {*EventDueDate(2, day, today), "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1"}};
}

std::string TextProperty(std::string_view name, std::string_view value) {
  return Folded(std::string(name) + ":" + Escaped(value));
}

std::string ICalendarEvent(const ICalendarItem& item, std::string_view stamp) {
  std::string out = "BEGIN:VEVENT\r\n";
  out += Folded("UID:" + item.Uid);
  out += "DTSTAMP:" + std::string(stamp) + "\r\n";
  out += "DTSTART;VALUE=DATE:" + DateValue(item.Start) + "\r\n";
  out += "DTEND;VALUE=DATE:" + DateValue(item.Start + 1) + "\r\n";
  if (!item.Rule.empty()) out += Folded("RRULE:" + item.Rule);
  out += TextProperty("SUMMARY", FirstLine(item.Text));
  out += TextProperty("DESCRIPTION", item.Text);
  out += "END:VEVENT\r\n";
  return out;
}

std::string ICalendarStamp(int year, int month, int day, int hour, int minute, int second) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", year, month, day, hour, minute,
                second);
  return stamp;
}

std::vector<ICalendarItem> ICalendarItems(const ICalendarSource& source) {
  std::vector<ICalendarItem> items;
  for (const AppointmentEntry* slot : DiaryDays(source.Slots)) {
    items.push_back({"day-" + DateValue(slot->Day) + std::string(kTovikUidSuffix),
                     slot->Day,
                     {},
                     source.ToUtf8(TextOf(slot->Text))});
  }
  const EventToday today(source.Today);
  std::map<std::string, int> copies;
  for (const PeriodicEvent& event : source.Events) {
    const std::vector<ICalendarRecurrence> recurrences =
        EventRecurrences(event.Month, event.Day, today);
    if (recurrences.empty()) continue;
    const std::string text = source.ToUtf8(TextOf(event.Text));
    // Copies of one event count up, so that every UID stays unique.
    std::string uid = EventUid(event, text);
    if (const int copy = ++copies[uid]; copy > 1) uid += "." + std::to_string(copy);
    for (size_t part = 0; part < recurrences.size(); ++part) {
      items.push_back(
          {(part == 0 ? uid : uid + "-" + std::to_string(part + 1)) + std::string(kTovikUidSuffix),
           recurrences[part].Start, recurrences[part].Rule, text});
    }
  }
  return items;
}

void WriteICalendar(BufferedFileWriter& out, const ICalendarSource& source) {
  out.Append(kICalendarBegin);
  for (const ICalendarItem& item : ICalendarItems(source)) {
    out.Append(ICalendarEvent(item, source.Stamp));
  }
  out.Append(kICalendarEnd);
}

void ExportICalendar(FileSystem& fs, const std::string& path, const ICalendarSource& source) {
  ReplaceFileContent(fs, path, [&](BufferedFileWriter& out) { WriteICalendar(out, source); });
}

}  // namespace tovik
