#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "organiser/output/icalendar_export.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik {
namespace {

using namespace std::literals;

uint16_t Day(int month, int day, int year = 2027) {
  return static_cast<uint16_t>(DayNumberFromDate(year, month, day));
}

// From Friday 15 January 2027 (or the day a row gives); a day the month
// lacks falls on its last day, and an impossible event has no recurrence.
TEST(ICalendarExport, RecurrencesStartOnTheNextDate) {
  const std::string feb = "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
  const std::string notFeb = "FREQ=MONTHLY;BYMONTH=1,3,4,5,6,7,8,9,10,11,12;BYMONTHDAY=29";
  const std::tuple<int, int, int32_t, std::vector<ICalendarRecurrence>> cases[] = {
      {1, 10, Day(1, 15), {{Day(1, 10, 2028), "FREQ=YEARLY;BYMONTH=1;BYMONTHDAY=10"}}},
      {2, 29, Day(1, 15), {{Day(2, 28), feb}}},
      {13, 10, Day(1, 15), {{Day(2, 10), "FREQ=MONTHLY;BYMONTHDAY=10"}}},
      {13, 31, Day(4, 2), {{Day(4, 30), "FREQ=MONTHLY;BYMONTHDAY=-1"}}},
      {13, 29, Day(2, 1, 2028), {{Day(3, 29, 2028), notFeb}, {Day(2, 29, 2028), feb}}},
      {14, 1, Day(1, 15), {{Day(1, 17), "FREQ=WEEKLY;BYDAY=SU"}}},
      {14, 8, Day(1, 15), {}},
  };
  for (const auto& [month, day, today, expected] : cases)
    EXPECT_EQ(EventRecurrences(month, day, EventToday(today)), expected) << month << "/" << day;
}

// Stored bytes (Windows-1252 "Å" here) go through the converter; texts are
// escaped and folded at 75 octets, the continuation's space counted, never
// inside a character. Two copies of one event have UIDs of their own.
TEST(ICalendarExport, WholeFile) {
  const auto utf8 = [](std::string_view s) {
    std::string out;
    for (const char c : s) out += c == '\xC5' ? "Å" : std::string(1, c);
    return out;
  };
  const std::vector<AppointmentEntry> slots = {
      {Day(1, 20),
       "\xC5\\;,\t\x01\r\nb\rc\nd" + std::string(23, '\xC5') + "z" + std::string(36, '\xC5')}};
  const std::vector<PeriodicEvent> events = {{14, 2, "\xC5"s}, {}, {14, 2, "\xC5"s}};
  testing::MemoryFileSystem fs;
  ExportICalendar(fs, "T.ics", {slots, events, Day(1, 15), "20270115T080000Z", utf8});
  std::string file = fs.Get("T.ics");
  for (size_t i; (i = file.find("\r\n")) != std::string::npos;) file.replace(i, 2, "|");
  EXPECT_EQ(file,
            "BEGIN:VCALENDAR|VERSION:2.0|PRODID:-//Tovik//Tovik organiser//EN|CALSCALE:GREGORIAN|"
            "BEGIN:VEVENT|UID:day-20270120@tovik|DTSTAMP:20270115T080000Z|"
            "DTSTART;VALUE=DATE:20270120|DTEND;VALUE=DATE:20270121|SUMMARY:Å\\\\\\;\\,\t|"
            "DESCRIPTION:Å\\\\\\;\\,\t\\nb\\nc\\ndÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ| "
            "ÅzÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ| Å|END:VEVENT|"
            "BEGIN:VEVENT|UID:event-1f35d7b1ad9cfe81@tovik|DTSTAMP:20270115T080000Z|"
            "DTSTART;VALUE=DATE:20270118|DTEND;VALUE=DATE:20270119|RRULE:FREQ=WEEKLY;BYDAY=MO|"
            "SUMMARY:Å|DESCRIPTION:Å|END:VEVENT|"
            "BEGIN:VEVENT|UID:event-1f35d7b1ad9cfe81.2@tovik|DTSTAMP:20270115T080000Z|"
            "DTSTART;VALUE=DATE:20270118|DTEND;VALUE=DATE:20270119|RRULE:FREQ=WEEKLY;BYDAY=MO|"
            "SUMMARY:Å|DESCRIPTION:Å|END:VEVENT|END:VCALENDAR|");
}

}  // namespace
}  // namespace tovik
