#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "organiser/diary_export.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik {
namespace {

AppointmentEntry Slot(uint16_t day, std::string_view text) {
  AppointmentEntry slot;
  slot.Day = day;
  if (!text.empty()) slot.Text = std::string(text) + '\0';
  return slot;
}

std::string DateOf(int32_t day) {
  return "d" + std::to_string(day);
}

TEST(DiaryExport, FileNameFollowsTheLanguage) {
  const std::pair<int, std::string_view> names[] = {
      {1, "Dagbog.txt"}, {2, "Diary.txt"},   {3, "Tagebuch.txt"},  {4, "Agenda.txt"},
      {5, "Diario.txt"}, {6, "Dagboek.txt"}, {7, "Ежедневно.txt"}, {8, "Diary.txt"},
      {0, "Diary.txt"},  {9, "Diary.txt"},
  };
  for (const auto& [id, name] : names) {
    EXPECT_EQ(DiaryFileName(static_cast<Language>(id)), name) << id;
  }
}

// Date order whatever the slot order; of two slots on one day the first in
// slot order; free slots and empty texts write nothing. Texts keep their
// own line breaks and bytes (here Windows-1251 and Windows-1252).
TEST(DiaryExport, DaysInDateOrderThreeLinesEach) {
  const std::vector<AppointmentEntry> slots = {
      Slot(45300, "later"),
      Slot(0, ""),
      Slot(45200, "one\r\ntwo\r\nthree"),
      Slot(45250, ""),
      Slot(45300, "second slot of the day"),
      Slot(45100, "\xC4\xE5\xEB\xE0 caf\xE9"),
  };
  testing::MemoryFileSystem fs;
  ExportDiary(fs, "C:\\Data\\Diary.txt", slots, DateOf);
  EXPECT_EQ(fs.Get("C:\\Data\\Diary.txt"),
            "d45100\r\n\xC4\xE5\xEB\xE0 caf\xE9\r\n\r\n"
            "d45200\r\none\r\ntwo\r\nthree\r\n\r\n"
            "d45300\r\nlater\r\n\r\n");
  EXPECT_FALSE(fs.FileExists("C:\\Data\\Diary.txt.tmp"));
}

TEST(DiaryExport, EmptyDiaryGivesAnEmptyFile) {
  testing::MemoryFileSystem fs;
  fs.Put("C:\\Data\\Ежедневно.txt", "old export");
  ExportDiary(fs, "C:\\Data\\Ежедневно.txt", {}, DateOf);
  EXPECT_TRUE(fs.FileExists("C:\\Data\\Ежедневно.txt"));
  EXPECT_EQ(fs.Get("C:\\Data\\Ежедневно.txt"), "");
}

// A failure at any step (writing, flushing, replacing) is reported and
// leaves the earlier export whole, with nothing beside it.
TEST(DiaryExport, FailureLeavesTheEarlierExportWhole) {
  for (int step = 1; step <= 3; ++step) {
    testing::MemoryFileSystem fs;
    fs.Put("C:\\Data\\Diary.txt", "earlier export");
    fs.fail_at_step = step;
    EXPECT_THROW(ExportDiary(fs, "C:\\Data\\Diary.txt", {Slot(45100, "new")}, DateOf), IoError)
        << step;
    EXPECT_EQ(fs.Get("C:\\Data\\Diary.txt"), "earlier export") << step;
    EXPECT_FALSE(fs.FileExists("C:\\Data\\Diary.txt.tmp")) << step;
  }
}

}  // namespace
}  // namespace tovik
