#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "organiser/output/diary_export.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik {
namespace {

using namespace std::literals;

// Days in date order, each its first slot's text as stored, free slots and
// empty texts left out. A failure at any step (writing, flushing, replacing)
// is reported and leaves the earlier export whole, with nothing beside it.
TEST(DiaryExport, NamedByLanguageWrittenInDateOrderReplacedWhole) {
  const std::vector<AppointmentEntry> slots = {
      {45300, "a"sv}, {}, {45200, "b\r\nc"sv}, {45250, ""sv}, {45300, "x"sv}, {45100, "\xE9"sv}};
  const std::string diary = "d45100\r\n\xE9\r\n\r\nd45200\r\nb\r\nc\r\n\r\nd45300\r\na\r\n\r\n";
  const auto date = [](int32_t day) { return "d" + std::to_string(day); };
  for (int step = 0; step <= 3; ++step) {  // step 0 fails nowhere
    testing::MemoryFileSystem fs;
    fs.Put("Diary.txt", "earlier");
    fs.fail_at_step = step;
    if (step > 0)
      EXPECT_THROW(ExportDiary(fs, "Diary.txt", slots, date), IoError);
    else
      ExportDiary(fs, "Diary.txt", slots, date);
    EXPECT_EQ(fs.Get("Diary.txt"), step > 0 ? "earlier" : diary) << step;
    EXPECT_FALSE(fs.FileExists("Diary.txt.tmp")) << step;
  }
  // The file's name is UTF-8, and English's for a number that is no language.
  EXPECT_EQ(DiaryFileName(Language::Russian), "Ежедневно.txt");
  EXPECT_EQ(DiaryFileName(Language{9}), "Diary.txt");
}

}  // namespace
}  // namespace tovik
