#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "organiser/icalendar_export.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik {
namespace {

int32_t Day(int year, int month, int day) {
  return DayNumberFromDate(year, month, day);
}

// Escaping, and folding at 75 octets with the continuation's space counted,
// never inside the two octets of "é".
TEST(ICalendarExport, TextPropertyEscapesAndFolds) {
  const std::string x66(66, 'x'), x67(67, 'x'), x74(74, 'x');
  const struct {
    std::string value, lines;
  } cases[] = {
      {"a\\b;c,d", "SUMMARY:a\\\\b\\;c\\,d\r\n"},
      {"one\r\ntwo\rthree\nfour\r\n", "SUMMARY:one\\ntwo\\nthree\\nfour\\n\r\n"},
      {"tab\tkept\x01\x7F", "SUMMARY:tab\tkept\r\n"},
      {x67, "SUMMARY:" + x67 + "\r\n"},
      {x67 + "y", "SUMMARY:" + x67 + "\r\n y\r\n"},
      {x67 + x74 + "z", "SUMMARY:" + x67 + "\r\n " + x74 + "\r\n z\r\n"},
      {x66 + "\xC3\xA9", "SUMMARY:" + x66 + "\r\n \xC3\xA9\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextProperty("SUMMARY", c.value), c.lines) << c.value;
}

// Today is Friday 15 January 2027 unless a row says otherwise. A day the
// month lacks falls on its last day, as the reminder shows it.
TEST(ICalendarExport, RecurrencesStartOnTheNextDate) {
  const std::string february = "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
  const std::string notFebruary = "FREQ=MONTHLY;BYMONTH=1,3,4,5,6,7,8,9,10,11,12;BYMONTHDAY=";
  const int32_t friday = Day(2027, 1, 15);
  const struct {
    int month, day;
    int32_t today;
    std::vector<ICalendarRecurrence> expected;
  } cases[] = {
      {1, 10, friday, {{Day(2028, 1, 10), "FREQ=YEARLY;BYMONTH=1;BYMONTHDAY=10"}}},
      {12, 31, friday, {{Day(2027, 12, 31), "FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=31"}}},
      {2, 29, friday, {{Day(2027, 2, 28), february}}},
      {4, 31, friday, {{Day(2027, 4, 30), "FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=-1"}}},
      {13, 10, friday, {{Day(2027, 2, 10), "FREQ=MONTHLY;BYMONTHDAY=10"}}},
      {13, 31, Day(2027, 4, 2), {{Day(2027, 4, 30), "FREQ=MONTHLY;BYMONTHDAY=-1"}}},
      {13, 30, friday, {{Day(2027, 1, 30), notFebruary + "30"}, {Day(2027, 2, 28), february}}},
      {13,
       29,
       Day(2028, 2, 1),
       {{Day(2028, 3, 29), notFebruary + "29"}, {Day(2028, 2, 29), february}}},
      {14, 1, friday, {{Day(2027, 1, 17), "FREQ=WEEKLY;BYDAY=SU"}}},
      {14, 6, friday, {{friday, "FREQ=WEEKLY;BYDAY=FR"}}},
      {0, 5, friday, {}},
      {14, 8, friday, {}},
      {5, 32, friday, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EventRecurrences(c.month, c.day, EventToday(c.today)), c.expected)
        << c.month << "/" << c.day << " from " << c.today;
  }
}

// A day's first slot, and two copies of one event with UIDs of their own;
// the stored bytes (Windows-1252 here) go through the converter.
TEST(ICalendarExport, WholeFile) {
  const std::vector<AppointmentEntry> slots = {
      {.Day = static_cast<uint16_t>(Day(2027, 1, 20)), .Text = std::string("\xC5r, 9\r\nx\0", 9)},
      {.Day = static_cast<uint16_t>(Day(2027, 1, 20)), .Text = std::string("later\0", 6)}};
  const PeriodicEvent gym{.Month = 14, .Day = 2, .Text = std::string("Gym\0", 4)};
  const std::vector<PeriodicEvent> events = {gym, {}, gym};
  const ICalendarSource source{.Slots = slots,
                               .Events = events,
                               .Today = Day(2027, 1, 15),
                               .Stamp = "20270115T080000Z",
                               .ToUtf8 = [](std::string_view stored) {
                                 std::string utf8;
                                 for (const char c : stored) {
                                   if (static_cast<unsigned char>(c) >= 0xC0) utf8 += '\xC3';
                                   utf8 += static_cast<unsigned char>(c) >= 0xC0 ? c - 0x40 : c;
                                 }
                                 return utf8;
                               }};
  testing::MemoryFileSystem fs;
  ExportICalendar(fs, "C:\\Data\\Tovik.ics", source);
  const std::string gymEvent =
      "@tovik\r\nDTSTAMP:20270115T080000Z\r\nDTSTART;VALUE=DATE:20270118\r\n"
      "DTEND;VALUE=DATE:20270119\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:Gym\r\n"
      "DESCRIPTION:Gym\r\nEND:VEVENT\r\n";
  EXPECT_EQ(fs.Get("C:\\Data\\Tovik.ics"),
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tovik//Tovik organiser//EN\r\n"
            "CALSCALE:GREGORIAN\r\n"
            "BEGIN:VEVENT\r\nUID:day-20270120@tovik\r\nDTSTAMP:20270115T080000Z\r\n"
            "DTSTART;VALUE=DATE:20270120\r\nDTEND;VALUE=DATE:20270121\r\n"
            "SUMMARY:\xC3\x85r\\, 9\r\nDESCRIPTION:\xC3\x85r\\, 9\\nx\r\nEND:VEVENT\r\n"
            "BEGIN:VEVENT\r\nUID:event-716d92e79fb9f48c" +
                gymEvent + "BEGIN:VEVENT\r\nUID:event-716d92e79fb9f48c.2" + gymEvent +
                "END:VCALENDAR\r\n");
}

}  // namespace
}  // namespace tovik
