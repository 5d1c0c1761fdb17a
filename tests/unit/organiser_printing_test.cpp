#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date_format.h"
#include "organiser/printing.h"
#include "tests/unit/memory_file_system_fake.h"
#include "tests/unit/recording_canvas.h"

namespace tovik {
namespace {

using testing::RecordingCanvas;
using Drawn = RecordingCanvas::Drawn;
using Record = RecordingCanvas::Record;

int32_t Day(int year, int month, int day) {
  return DayNumberFromDate(year, month, day);
}

class Printing : public ::testing::Test {
 protected:
  void AddDayText(int32_t day, std::string_view text) {
    AppointmentEntry& slot = store_.AppointmentSlots.emplace_back();
    slot.Day = static_cast<uint16_t>(day);
    slot.Text = std::string(text) + '\0';
  }
  void AddEvent(int month, int day, std::string_view text) {
    PeriodicEvent& event = store_.EventSlots.emplace_back();
    event.Month = static_cast<uint8_t>(month);
    event.Day = static_cast<uint8_t>(day);
    event.Text = std::string(text) + '\0';
  }

  // The calendar printout on a canvas 382 units high: 10 points make lines
  // of 20 with a step of 26, and a new page begins below y = 322.
  std::vector<Drawn> PrintFrom(const CalendarDate& today) {
    RecordingCanvas canvas(1000, 382, record_);
    const CalendarPrintTexts texts{
        .Title = "Appointments etc.",
        .PageLabel = ", Page ",
        .ColumnCaption = "Week,Date,Day",
        .TodayShortDate = "6/15/2026",  // "WW, 6/15/2026, WWW " has 19 characters
        .DateLine = [](int32_t day) { return "D" + std::to_string(DateFromDayNumber(day).Day); },
        .Text = [](std::string_view stored) { return std::string(stored); }};
    pages_ = PrintCalendar(canvas, store_, BuildPrintList(store_, today), texts);
    return record_.drawn;
  }

  testing::MemoryFileSystem fs_;
  OrganiserStore store_{fs_, "C:\\Data\\Tovik.dat"};
  Record record_;
  int pages_ = 0;
};

// Keys are day numbers times 10, plus 1 for a day text; references -n for
// event n and +n for slot n.
TEST_F(Printing, ListHoldsYearlyEventsAtTheirNextDateAndDayTextsFromToday) {
  AddEvent(6, 10, "ten");         // -1: passed this year
  AddEvent(6, 20, "twenty");      // -2: still to come
  AddEvent(13, 15, "monthly");    // never printed
  AddEvent(14, 2, "weekly");      // never printed
  AddEvent(4, 31, "impossible");  // -5: 30 April of next year
  AddEvent(2, 29, "leap");        // -6: 28 February 2027, a common year
  AddEvent(6, 15, "today");       // -7: today, before today's day text
  AddDayText(Day(2026, 6, 14), "yesterday");
  AddDayText(Day(2026, 6, 15), "today's text");  // +2
  AddDayText(Day(2026, 7, 1), "July");           // +3

  const std::vector<PrintItem> items = BuildPrintList(store_, {2026, 6, 15});

  const std::vector<std::pair<int32_t, int32_t>> expected = {
      {Day(2026, 6, 15) * 10, -7},   {Day(2026, 6, 15) * 10 + 1, 2}, {Day(2026, 6, 20) * 10, -2},
      {Day(2026, 7, 1) * 10 + 1, 3}, {Day(2027, 2, 28) * 10, -6},    {Day(2027, 4, 30) * 10, -5},
      {Day(2027, 6, 10) * 10, -1},
  };
  std::vector<std::pair<int32_t, int32_t>> got;
  for (const PrintItem& item : items) got.emplace_back(item.Key, item.Reference);
  EXPECT_EQ(got, expected);
}

// One date with two events and a three-line day text, then a date whose
// text runs over the page: its date line comes again one step below the
// caption of page 2. A line stays on the page while y is at most the page
// height minus three line heights.
TEST_F(Printing, CalendarPagesDateLinesAndCutLines) {
  AddEvent(6, 15, "first");
  AddEvent(6, 15, "second");
  AddDayText(Day(2026, 6, 15), "a\r\nb\r\nc\r\n");
  const std::string wide(60, 'x');
  const std::string cyrillic = [] {
    std::string text;
    for (int i = 0; i < 60; ++i) text += "\xD0\xB6";
    return text;
  }();
  AddDayText(Day(2026, 6, 16), "l1\r\n" + wide + "\r\n\r\nl4\r\n" + cyrillic + "\nl6");

  const std::vector<Drawn> drawn = PrintFrom({2026, 6, 15});

  // Left column at "MMMMM" (50), text column 19 "W"s further (240); lines
  // are cut to the 55-character alphabet, by characters, not bytes.
  const std::vector<Drawn> expected = {
      {1, 14, 50, 28, "Appointments etc., Page 1"},
      {1, 10, 50, 62, "Week,Date,Day"},
      {1, 10, 50, 88, "D15"},
      {1, 10, 240, 88, "* first"},
      {1, 10, 240, 114, "* second"},
      {1, 10, 240, 140, "a"},
      {1, 10, 240, 166, "b"},
      {1, 10, 240, 192, "c"},
      {1, 10, 50, 244, "D16"},
      {1, 10, 240, 244, "l1"},
      {1, 10, 240, 270, std::string(55, 'x')},
      // an empty line at 296
      {1, 10, 240, 322, "l4"},
      {2, 14, 50, 28, "Appointments etc., Page 2"},
      {2, 10, 50, 62, "Week,Date,Day"},
      {2, 10, 50, 88, "D16"},
      {2, 10, 240, 88, cyrillic.substr(0, 110)},  // a bare LF breaks no line
  };
  EXPECT_EQ(drawn, expected);
  EXPECT_EQ(pages_, 2);
  EXPECT_EQ(record_.page, 2);  // no empty page before the first
  EXPECT_EQ(record_.ended, 1);
}

TEST_F(Printing, EmptyCalendarPrintsAnEmptyDocument) {
  AddDayText(Day(2026, 6, 1), "before today");
  EXPECT_TRUE(PrintFrom({2026, 6, 15}).empty());
  EXPECT_EQ(pages_, 0);
  EXPECT_EQ(record_.ended, 1);
}

// The title stands as literal text, so its letters are never date fields.
TEST(DayNotesHeading, TitleIsLiteralBeforeTheLongDate) {
  const LocaleDateFormats formats{"dd/MM/yyyy", "d MMMM yyyy"};
  EXPECT_EQ(DatePatternToPicture(DayNotesHeadingPattern("Rendez-vous etc."), formats),
            "'   Rendez-vous etc.', d MMMM yyyy");
}

// The text device on a page 200 wide (20 characters at 10 points) and 200
// high: a 14-point heading of 30, then lines of 22; a new page begins
// where a line would end nearer the bottom than two of its heights.
TEST(DayNotesPrint, LinesAreCutTabbedAndPaged) {
  Record record;
  RecordingCanvas canvas(200, 200, record);
  PrintDayNotes(canvas, "Heading",
                {"abcdefghijklmnopqrstuvwxyz", "a\tb", "abcdefghi\tb", "x", "y"});
  const std::vector<Drawn> expected = {
      {1, 14, 0, 0, "Heading"},
      // an empty line from 30 to 52
      {1, 10, 0, 52, "     abcdefghijklmno"},
      {1, 10, 0, 74, "pqrstuvwxyz"},
      {1, 10, 0, 96, "     a"},
      {1, 10, 80, 96, "b"},
      {1, 10, 0, 118, "     abcdefghi"},
      {1, 10, 160, 118, "b"},
      {2, 10, 0, 0, "     x"},
      {2, 10, 0, 22, "     y"},
  };
  EXPECT_EQ(record.drawn, expected);
  EXPECT_EQ(record.ended, 1);
}

TEST(DayNotesPrint, EmptyBoxPrintsTheHeadingAndOneEmptyLine) {
  Record record;
  RecordingCanvas canvas(200, 200, record);
  PrintDayNotes(canvas, "Heading", {});
  EXPECT_EQ(record.drawn, (std::vector<Drawn>{{1, 14, 0, 0, "Heading"}}));
  EXPECT_EQ(record.ended, 1);
}

TEST(EventsListPrint, RowsWithADayInTheLanguagesColumns) {
  struct Case {
    Language language;
    std::string heading, columns;
  } cases[] = {
      {Language::English, "  Periodic Events", "   Month Day  Who and what"},
      {Language::French, "  Evénements periodic", "    Mois Jour Qui et quoi"},
      {Language::Russian, "  Повторяющиеся события", "   Месяц День  Кто и Что"},
      {Language::Portuguese, "  Periodic Events", "   Month Day  Who and what"},
  };
  const std::vector<PrintedEventRow> rows = {
      {"06", "10", "Anna's birthday"}, {"07", "", "no day"}, {"", "", ""}, {"13", "01", "Rent"}};
  for (const Case& c : cases) {
    Record record;
    RecordingCanvas canvas(2000, 2000, record);
    PrintEventsList(canvas, c.language, rows);
    std::vector<std::string> texts;
    for (const Drawn& d : record.drawn) texts.push_back(d.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{c.heading, c.columns, "         06   10   Anna's birthday",
                                        "         13   01   Rent"}));
    EXPECT_EQ(record.drawn[0].size, 14);
    EXPECT_EQ(record.drawn[1].size, 10);
  }
}

}  // namespace
}  // namespace tovik
