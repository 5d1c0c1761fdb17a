#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date_format.h"
#include "organiser/output/printing.h"
#include "tests/unit/memory_file_system_fake.h"
#include "tests/unit/recording_canvas.h"

namespace tovik {
namespace {

using namespace std::literals;
using testing::RecordingCanvas;

uint16_t Day(int month, int day, int year = 2026) {
  return static_cast<uint16_t>(DayNumberFromDate(year, month, day));
}

class Printing : public ::testing::Test {
 protected:
  OrganiserStore store_;
};

// Items as "key - 10 * today:reference", a day text's key +1, event n -n, slot n +n.
// Monthly events are never printed; 31 April falls on 30 April.
TEST_F(Printing, ListHoldsYearlyEventsAtTheirNextDateAndDayTextsFromToday) {
  store_.EventSlots = {{6, 10, "a"sv}, {13, 15, "b"sv}, {4, 31, "c"sv}, {6, 15, "d"sv}};
  store_.AppointmentSlots = {{Day(6, 14), "yesterday"sv}, {Day(6, 15), "today"sv}};
  std::string got;
  for (const PrintItem& i : BuildPrintList(store_, {2026, 6, 15}))
    got += std::to_string(i.Key - Day(6, 15) * 10) + ":" + std::to_string(i.Reference) + " ";
  EXPECT_EQ(got, "0:-4 1:2 3190:-3 3600:-1 ");  // 30 April and 10 June 2027
}

// Lines of 20 a step of 26 apart; below y = 140 a new page begins, the date
// line again beside its text. The text column stands 19 "W"s right of "MMMMM";
// lines are cut to the 55-character alphabet by characters, not bytes.
TEST_F(Printing, CalendarPagesDateLinesAndCutLines) {
  std::string cyrillic;
  for (int i = 0; i < 60; ++i) cyrillic += "\xD0\xB6";
  store_.EventSlots = {{6, 15, "first"sv}};
  store_.AppointmentSlots = {{Day(6, 15), "a\r\n\r\n" + cyrillic + "\nbare LF"},
                             {Day(6, 16), "z\r\n"sv}};
  RecordingCanvas::Record record;
  RecordingCanvas canvas(1000, 200, record);
  const auto date = [](int32_t day) { return "D" + std::to_string(DateFromDayNumber(day).Day); };
  const auto text = [](std::string_view stored) { return std::string(stored); };
  const CalendarPrintTexts texts{"T", ", Page ", "C", "6/15/2026", date, text};
  EXPECT_EQ(PrintCalendar(canvas, store_, BuildPrintList(store_, {2026, 6, 15}), texts), 2);
  EXPECT_EQ(record.Listing(),
            "1 14 50 28 T, Page 1|1 10 50 62 C|1 10 50 88 D15|"
            "1 10 240 88 * first|1 10 240 114 a|2 14 50 28 T, Page 2|"
            "2 10 50 62 C|2 10 50 88 D15|2 10 240 88 " +
                cyrillic.substr(0, 110) + "|2 10 50 140 D16|2 10 240 140 z|2 pages, ended 1");
}

// 20 characters to a line at 10 points; a 14-point heading 30 high, then
// lines of 22, none ending nearer the bottom than two of its heights. The
// day's title stands as literal text; an event row without a day is left out.
TEST(TextDevicePrint, DayNotesAndEventsList) {
  EXPECT_EQ(DatePatternToPicture(DayNotesHeadingPattern("Rendez-vous etc."), {"", "d MMMM yyyy"}),
            "'   Rendez-vous etc.', d MMMM yyyy");
  RecordingCanvas::Record notes, events;
  RecordingCanvas notesCanvas(200, 170, notes), eventsCanvas(2000, 2000, events);
  PrintDayNotes(notesCanvas, "Heading", {"abcdefghijklmnopqrstuvwxyz", "abcdefghi\tb", "x"});
  EXPECT_EQ(notes.Listing(),
            "1 14 0 0 Heading|1 10 0 52      abcdefghijklmno|1 10 0 74 pqrstuvwxyz|"
            "1 10 0 96      abcdefghi|1 10 160 96 b|2 10 0 0      x|2 pages, ended 1");
  PrintEventsList(eventsCanvas, Language::French,
                  {{"6", "10", "A"}, {"7", "", "x"}, {"13", "1", "R"}});
  EXPECT_EQ(events.Listing(),
            "1 14 0 0   Evénements periodic|1 10 0 52     Mois Jour Qui et quoi|"
            "1 10 0 96           6   10   A|1 10 0 118          13    1   R|1 pages, ended 1");
}

}  // namespace
}  // namespace tovik
