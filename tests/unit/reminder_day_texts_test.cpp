#include <gtest/gtest.h>

#include "data_file_builder.h"
#include "reminder/day_texts.h"
#include "reminder_test_support.h"

namespace tovik {
namespace {
using testing::DataFileBuilder;
using testing::Day;

const int32_t kToday = Day(2026, 12, 8);  // a Tuesday
const std::string kDashes(29, '-');

std::string Same(std::string_view text) {
  return std::string(text);
}

// Windows-1252 bytes to UTF-8, for the few letters these tests use.
std::string Latin1(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

DayTexts Build(const ReminderData& data, int32_t today = kToday) {
  testing::PictureFormatter dates;
  return BuildDayTexts(data, today, dates, Same);
}

DayTexts BuildFromFile(const std::string& file, int32_t today = kToday, int lookAhead = 7) {
  return Build(SelectDue(file, {today, lookAhead}), today);
}

uint16_t U16Day(int32_t day) {
  return static_cast<uint16_t>(day);
}

TEST(BuildDayTexts, PutsTodayTomorrowAndTheFollowingDaysInTheirBoxes) {
  const std::string file = DataFileBuilder()
                               .U16(4)
                               .Appointment(U16Day(kToday + 8), "Last day")
                               .Appointment(U16Day(kToday), "Dentist 9:00")
                               .Appointment(U16Day(kToday + 1), "Lunch\r\nwith Ann\r\n")
                               .Appointment(U16Day(kToday + 2), "Train")
                               .U16(1)
                               .Event(12, 10, "Ann's birthday")
                               .U16(0)
                               .bytes();
  const DayTexts texts = BuildFromFile(file);
  EXPECT_EQ(texts.Today, "Dentist 9:00\r\n");
  EXPECT_EQ(texts.Tomorrow, "Lunch\r\nwith Ann\r\n");
  EXPECT_EQ(texts.Following, kDashes + "\r\nThursday 12/10/2026\r\n* Ann's birthday\r\nTrain\r\n" +
                                 kDashes + "\r\nWednesday 12/16/2026\r\nLast day\r\n");
}

TEST(BuildDayTexts, EventsOfOneDateComeInTheSortOrderBeforeItsAppointment) {
  ReminderData data;
  data.Appointments = {{kToday + 5, "Later"}, {kToday + 3, "Party at 8"}};
  data.Events = {{kToday + 3, "Mum"}, {kToday + 3, "Dad"}};
  data.DueList = {{(kToday + 5) * 10 + 1, 1},
                  {(kToday + 3) * 10, -1},
                  {(kToday + 3) * 10, -2},
                  {(kToday + 3) * 10 + 1, 2}};
  EXPECT_EQ(Build(data).Following, kDashes +
                                       "\r\nFriday 12/11/2026\r\n* Dad\r\n* Mum\r\nParty at 8\r\n" +
                                       kDashes + "\r\nSunday 12/13/2026\r\nLater\r\n");
}

TEST(BuildDayTexts, ShowsAWeeklyEventOnlyUnderToday) {
  const std::string file = DataFileBuilder()
                               .U16(0)
                               .U16(2)
                               .Event(14, 3, "Gym")    // Tuesdays
                               .Event(14, 4, "Choir")  // Wednesdays
                               .U16(0)
                               .bytes();
  const DayTexts texts = BuildFromFile(file, kToday, 28);
  EXPECT_EQ(texts, (DayTexts{"* Gym\r\n", "", ""}));
}

TEST(BuildDayTexts, PlacesTheNextYearsEventsAtTheYearTurn) {
  const int32_t today = Day(2026, 12, 28);
  const std::string file = DataFileBuilder()
                               .U16(0)
                               .U16(2)
                               .Event(1, 2, "New year walk")
                               .Event(13, 1, "Rent")
                               .U16(0)
                               .bytes();
  const DayTexts texts = BuildFromFile(file, today);
  EXPECT_EQ(texts.Following, kDashes + "\r\nFriday 1/1/2027\r\n* Rent\r\n" + kDashes +
                                 "\r\nSaturday 1/2/2027\r\n* New year walk\r\n");
}

TEST(BuildDayTexts, CutsEventLinesTo255Characters) {
  ReminderData data;
  data.Events = {{kToday, std::string(300, 'x')}, {kToday, std::string(253, 'y')}};
  data.DueList = {{kToday * 10, -1}, {kToday * 10, -2}};
  EXPECT_EQ(Build(data).Today,
            "* " + std::string(253, 'y') + "\r\n* " + std::string(253, 'x') + "\r\n");
}

TEST(BuildDayTexts, DecodesStoredTextsAndFormatsDatesByTheLocale) {
  ReminderData data;
  data.Appointments = {{kToday + 4, "Caf\xE9"}};
  data.Events = {{kToday + 4,
                  "F\xF8"
                  "dselsdag"}};
  data.DueList = {{(kToday + 4) * 10 + 1, 1}, {(kToday + 4) * 10, -1}};
  testing::PictureFormatter danish({"dd-MM-yyyy", "d. MMMM yyyy"});
  EXPECT_EQ(BuildDayTexts(data, kToday, danish, Latin1).Following,
            kDashes + "\r\nSaturday 12-12-2026\r\n* Fødselsdag\r\nCafé\r\n");
}

TEST(BuildDayTexts, LeavesEveryBoxEmptyWhenOnlyNotesAreMarked) {
  EXPECT_EQ(Build(ReminderData{}), DayTexts{});
}

}  // namespace
}  // namespace tovik
