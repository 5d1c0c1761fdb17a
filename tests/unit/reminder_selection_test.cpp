#include <gtest/gtest.h>

#include <random>

#include "data_file_builder.h"
#include "memory_file_system_fake.h"
#include "reminder/due_selection.h"
#include "reminder_test_support.h"
#include "store/section_reader.h"

namespace tovik {
namespace {
using testing::DataFileBuilder;
using testing::Day;

const int32_t kToday = Day(2026, 12, 8);  // a Tuesday
const DueWindow kWeek{kToday, 7};

std::vector<std::string> AppointmentTexts(const ReminderData& data) {
  std::vector<std::string> texts;
  for (const auto& a : data.Appointments) texts.push_back(a.Text);
  return texts;
}

std::vector<std::string> EventTexts(const ReminderData& data) {
  std::vector<std::string> texts;
  for (const auto& e : data.Events) texts.push_back(e.Text);
  return texts;
}

// A file with the given appointments (day, text), no events, no notes.
std::string Appointments(const std::vector<std::pair<int32_t, std::string>>& days) {
  DataFileBuilder file;
  file.U16(static_cast<uint16_t>(days.size()));
  for (const auto& [day, text] : days) file.Appointment(static_cast<uint16_t>(day), text);
  return file.U16(0).U16(0).bytes();
}

TEST(SelectDue, TakesAppointmentsFromTodayToTheEndOfTheLookAhead) {
  struct Case {
    const char* name;
    int lookAhead;
    int offset;  // from today
    bool shown;
  };
  const Case cases[] = {
      {"yesterday", 7, -1, false},   {"today", 7, 0, true},      {"tomorrow", 7, 1, true},
      {"today + 8", 7, 8, true},     {"today + 9", 7, 9, false}, {"today + 29", 28, 29, true},
      {"today + 30", 28, 30, false},
  };
  for (const auto& c : cases) {
    const auto data =
        SelectDue(Appointments({{kToday + c.offset, "Dentist"}}), {kToday, c.lookAhead});
    EXPECT_EQ(data.Appointments.size(), c.shown ? 1u : 0u) << c.name;
    EXPECT_TRUE(data.Damage.empty()) << c.name;
  }
}

TEST(SelectDue, ShowsOnlyTextsThatBeginAboveTheExclamationMark) {
  struct Case {
    std::string text;
    bool shown;
  };
  const Case cases[] = {
      {"Dentist", true},   {" Dentist", false},   {"\r\nDentist", false}, {"\tDentist", false},
      {"!Dentist", false}, {"\"Dentist\"", true}, {"\xE9t\xE9", true},    {"", false},
  };
  for (const auto& c : cases) {
    const auto appointments = SelectDue(Appointments({{kToday, c.text}}), kWeek);
    EXPECT_EQ(appointments.Appointments.size(), c.shown ? 1u : 0u) << c.text;
    const auto events =
        SelectDue(DataFileBuilder().U16(0).U16(1).Event(12, 8, c.text).U16(0).bytes(), kWeek);
    EXPECT_EQ(events.Events.size(), c.shown ? 1u : 0u) << c.text;
  }
}

TEST(SelectDue, ReadsPastRecordsItDoesNotShowByTheirLengths) {
  const std::string file = DataFileBuilder()
                               .U16(5)
                               .U16(static_cast<uint16_t>(kToday))
                               .I32(0)  // no text bytes
                               .U16(static_cast<uint16_t>(kToday))
                               .I32(-4)
                               .U16(static_cast<uint16_t>(kToday))
                               .I32(5 * 65536)
                               .Raw("Lunch")
                               .Appointment(static_cast<uint16_t>(kToday - 3), "Old")
                               .U16(static_cast<uint16_t>(kToday + 1))
                               .I32(70000)
                               .Raw("A")
                               .U16(3)
                               .Event(0, 5, "No month")
                               .Event(5, 40, "No such day")
                               .U8(12)
                               .U8(9)
                               .I32(6 * 65536)
                               .Raw("Party!")
                               .U16(2)
                               .I32(0)
                               .I32(3 * 65536)
                               .Raw("$ab")
                               .bytes();
  const auto data = SelectDue(file, kWeek);
  EXPECT_EQ(AppointmentTexts(data), (std::vector<std::string>{"Lunch", "A"}));
  EXPECT_EQ(EventTexts(data), std::vector<std::string>{"Party!"});
  EXPECT_EQ(data.NotesExtract, "-----abab\r\n");
  EXPECT_TRUE(data.Damage.empty()) << data.Damage;
}

TEST(SelectDue, ListsDueEntriesInFileOrderWithTheirKeys) {
  const std::string file = DataFileBuilder()
                               .U16(3)
                               .Appointment(static_cast<uint16_t>(kToday + 2), "B")
                               .Appointment(static_cast<uint16_t>(kToday - 5), "Old")
                               .Appointment(static_cast<uint16_t>(kToday), "A")
                               .U16(3)
                               .Event(14, 3, "Gym")    // Tuesdays: today
                               .Event(14, 4, "Choir")  // Wednesdays: never shown
                               .Event(13, 10, "Rent")  // every 10th
                               .U16(0)
                               .bytes();
  const auto data = SelectDue(file, kWeek);
  EXPECT_EQ(AppointmentTexts(data), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(EventTexts(data), (std::vector<std::string>{"Gym", "Rent"}));
  EXPECT_EQ(data.Events[1].Date, Day(2026, 12, 10));
  const std::vector<DueEntry> due{{(kToday + 2) * 10 + 1, 1},
                                  {kToday * 10 + 1, 2},
                                  {kToday * 10, -1},
                                  {Day(2026, 12, 10) * 10, -2}};
  EXPECT_EQ(data.DueList, due);
}

TEST(SelectDue, TakesLanguageAndColoursFromTheHeader) {
  struct Case {
    uint16_t settingsWord;
    uint16_t language;
  };
  const Case cases[] = {{0x00A1, 1}, {0x00A7, 7}, {0x00A8, 8}, {0x0000, 2},
                        {0x00A9, 2}, {0x00AF, 2}, {0x1F06, 6}};
  for (const auto& c : cases) {
    const auto data = SelectDue(
        DataFileBuilder(c.settingsWord, 0x123456, -2147483640).U16(0).U16(0).U16(0).bytes(), kWeek);
    EXPECT_EQ(static_cast<uint16_t>(data.LanguageId), c.language) << c.settingsWord;
    EXPECT_EQ(data.BackgroundColor, 0x123456);
    EXPECT_EQ(data.FontColor, -2147483640);
  }
}

TEST(SelectDue, NothingToShowOnlyWithoutAppointmentsEventsAndMarkedNoteLines) {
  const auto nothing = SelectDue(DataFileBuilder()
                                     .U16(1)
                                     .Appointment(static_cast<uint16_t>(kToday + 9), "Later")
                                     .U16(1)
                                     .Event(14, 4, "Choir")
                                     .U16(8)
                                     .Text("Shop\r\nmilk $x")
                                     .EmptyNotes(7)
                                     .bytes(),
                                 kWeek);
  EXPECT_TRUE(nothing.NothingToShow());
  EXPECT_TRUE(nothing.Damage.empty());

  const auto onlyNote = SelectDue(
      DataFileBuilder().U16(0).U16(0).U16(8).EmptyNotes(3).Text("$call").EmptyNotes(4).bytes(),
      kWeek);
  EXPECT_FALSE(onlyNote.NothingToShow());
  EXPECT_EQ(onlyNote.NotesExtract, "-----callcall\r\n");
}

TEST(SelectDue, ADamagedFileKeepsWhatCameBeforeTheDamage) {
  const std::string whole = DataFileBuilder()
                                .U16(3)
                                .Appointment(static_cast<uint16_t>(kToday), "First")
                                .Appointment(static_cast<uint16_t>(kToday + 1), "Second")
                                .Appointment(static_cast<uint16_t>(kToday + 2), "Third")
                                .U16(1)
                                .Event(12, 9, "Party")
                                .U16(2)
                                .Text("Shop\r\n$milk")
                                .Text("Work\r\n$call")
                                .bytes();
  ASSERT_TRUE(SelectDue(whole, kWeek).Damage.empty());
  struct Case {
    const char* name;
    size_t cut;  // bytes removed from the end
    size_t appointments, events;
    std::string notes;
  };
  const Case cases[] = {
      {"inside the last note", 3, 3, 1, "-----Shop -----\r\nmilk\r\n"},
      {"inside the event", 40, 3, 0, ""},
      {"inside the third appointment's text", 52, 2, 0, ""},
      {"inside the third appointment's head", 56, 2, 0, ""},
      {"inside the second appointment's text", 64, 1, 0, ""},
  };
  for (const auto& c : cases) {
    const auto data = SelectDue(std::string_view(whole).substr(0, whole.size() - c.cut), kWeek);
    EXPECT_FALSE(data.Damage.empty()) << c.name;
    EXPECT_EQ(data.Appointments.size(), c.appointments) << c.name;
    EXPECT_EQ(data.Events.size(), c.events) << c.name;
    EXPECT_EQ(data.NotesExtract, c.notes) << c.name;
  }
  const auto header = SelectDue(whole.substr(0, 12), kWeek);
  EXPECT_FALSE(header.Damage.empty());
  EXPECT_TRUE(header.NothingToShow());
}

TEST(SelectDue, StopsAtTheCapacityOfItsTables) {
  DataFileBuilder file;
  file.U16(2201);
  for (int i = 0; i < 2201; ++i) file.Appointment(static_cast<uint16_t>(kToday), "A");
  file.U16(301);
  for (int i = 0; i < 301; ++i) file.Event(12, 9, "E");
  const auto data = SelectDue(file.U16(1).Text("$x").bytes(), kWeek);
  EXPECT_EQ(data.Appointments.size(), kDesignedAppointmentSlots);
  EXPECT_EQ(data.Events.size(), kEventSlots);
  EXPECT_EQ(data.DueList.size(), kDesignedAppointmentSlots + kEventSlots);
  EXPECT_EQ(data.NotesExtract, "-----xx\r\n");  // the records after the caps were still read
}

TEST(ReadAndSelect, OpensTheFileReadOnlyAndEndsWhenItCannot) {
  testing::MemoryFileSystem fs;
  fs.folders.insert("C:\\Tovik\\");
  fs.read_only_folders.insert("C:\\Tovik\\");
  fs.Put("C:\\Tovik\\Tovik.dat", Appointments({{kToday, "Dentist"}}));
  const auto data = ReadAndSelect(fs, "C:\\Tovik\\Tovik.dat", kWeek);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(AppointmentTexts(*data), std::vector<std::string>{"Dentist"});
  EXPECT_EQ(fs.writes, 0);

  EXPECT_FALSE(ReadAndSelect(fs, "C:\\Tovik\\Missing.dat", kWeek).has_value());
  fs.unopenable.insert("C:\\Tovik\\Tovik.dat");
  EXPECT_FALSE(ReadAndSelect(fs, "C:\\Tovik\\Tovik.dat", kWeek).has_value());
}

// Reading streams the file through a buffer; it must select exactly
// what reading the whole image selects, also when the file is cut anywhere.
TEST(ReadAndSelect, SelectsFromTheFileWhatTheWholeImageHolds) {
  std::mt19937 random(11);
  DataFileBuilder file(0x00A1);
  file.U16(600);
  for (int i = 0; i < 600; ++i) {
    const auto day = static_cast<uint16_t>(kToday - 20 + static_cast<int>(random() % 40));
    const size_t length = (i % 7 == 0) ? 30000 + random() % 30000 : random() % 3000;
    file.Appointment(day, std::string(length, static_cast<char>('a' + i % 26)));
  }
  file.U16(200);
  for (int i = 0; i < 200; ++i)
    file.Event(static_cast<uint8_t>(1 + random() % 14), static_cast<uint8_t>(1 + random() % 31),
               "Event " + std::to_string(i));
  file.U16(8);
  for (int i = 0; i < 8; ++i)
    file.Text("Page" + std::to_string(i) + "\r\n$" + std::string(60000, 'n'));
  const std::string& whole = file.bytes();

  testing::MemoryFileSystem fs;
  std::vector<size_t> cuts{whole.size(), 0, 21, 22, 23, whole.size() - 1};
  for (int i = 0; i < 60; ++i) cuts.push_back(random() % whole.size());
  for (size_t cut : cuts) {
    fs.Put("Tovik.dat", whole.substr(0, cut));
    const auto read = ReadAndSelect(fs, "Tovik.dat", {kToday, 28});
    ASSERT_TRUE(read.has_value());
    const auto expected = SelectDue(std::string_view(whole).substr(0, cut), {kToday, 28});
    EXPECT_EQ(*read, expected) << "cut at " << cut;
    EXPECT_EQ(read->Damage.empty(), cut == whole.size()) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace tovik
