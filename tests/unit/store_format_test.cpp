// The byte layout and the in-memory store operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "store/store_file.h"
#include "tests/unit/data_file_builder.h"
#include "tests/unit/store_test_support.h"

namespace tovik {
namespace {

using testing::DataFileBuilder;
using testing::FakeStorePlatform;
using testing::kDataPath;
using testing::MemoryFileSystem;

TEST(SettingsWordTest, SplitsAndComposesEveryField) {
  struct Case {
    uint16_t word;
    uint16_t lang;
    int32_t start, rule;
    uint16_t preserved;
  };
  const Case cases[] = {
      {0x00A3, 3, 2, 2, 0},   {0x0000, 0, 0, 0, 0},  {0x00D8, 8, 1, 3, 0},
      {0x1FFF, 15, 3, 3, 31}, {0x0A51, 1, 1, 1, 10},
  };
  for (const Case& c : cases) {
    const Settings s = SplitSettingsWord(c.word);
    EXPECT_EQ(static_cast<uint16_t>(s.LanguageId), c.lang) << c.word;
    EXPECT_EQ(static_cast<int32_t>(s.WeekStartDay), c.start) << c.word;
    EXPECT_EQ(s.FirstWeekRule, c.rule) << c.word;
    EXPECT_EQ(s.PreservedBits, c.preserved) << c.word;
    EXPECT_EQ(ComposeSettingsWord(s), c.word) << c.word;
  }
  // Bits 13 to 15 are never written back.
  EXPECT_EQ(ComposeSettingsWord(SplitSettingsWord(0xFFFF)), 0x1FFF);
}

TEST(DataFileTest, NewFileIsTwentyEightBytesOfDefaults) {
  const std::string image = NewFileImage(46364, 0xBEEF);
  const std::string expected =
      DataFileBuilder(0, 0x00800000, 0x00FFFFFF).U16(0).U16(0).U16(0).bytes();
  ASSERT_EQ(image.size(), 28u);
  EXPECT_EQ(image.substr(6), expected.substr(6));
  EXPECT_EQ(DecodeHeader(image).CreatedDay, 46364);
  EXPECT_EQ(DecodeHeader(image).CreationStamp, 0xBEEF);
}

TEST(DataFileTest, LengthRuleKeepsTheHighWordOfHugeLengths) {
  EXPECT_EQ(ApplyLengthRule(5 * 65536), 5);
  EXPECT_EQ(ApplyLengthRule(65535), 65535);
  EXPECT_EQ(ApplyLengthRule(65536), 1);
  EXPECT_EQ(ApplyLengthRule(-7), -7);
  EXPECT_EQ(ApplyLengthRule(0), 0);
}

TEST(RecordReaderTest, StopsAtTheEndWithoutMoving) {
  const std::string bytes("\x01\x02\x03", 3);
  RecordReader in(bytes, 1);
  EXPECT_FALSE(in.I32());
  EXPECT_EQ(in.position(), 1u);
  EXPECT_EQ(in.U16(), 0x0302);
  EXPECT_FALSE(in.U8());
  RecordReader past(bytes, 99);
  EXPECT_FALSE(past.U8());
  RecordReader text(bytes, 0);
  EXPECT_FALSE(text.Text(4));
  EXPECT_EQ(text.Text(0), std::string_view());
  EXPECT_EQ(text.Text(-5), std::string_view());
}

// What a walk hands its visitor, as text, so two walks can be compared.
struct RecordingVisitor {
  void AppointmentCount(uint16_t n) { seen += std::to_string(n) + "|"; }
  void Appointment(uint16_t day, std::string_view s) { (seen += std::to_string(day)) += s; }
  void Event(uint8_t m, uint8_t d, std::string_view s) {
    (seen += std::to_string(m * 100 + d)) += s;
  }
  void Note(unsigned k, std::string_view s) { (seen += "n" + std::to_string(k)) += s; }
  std::string seen;
};

// The store walks a whole file in memory, the reminder streams it; both must
// read every file, however damaged, alike.
TEST(RecordReaderTest, MemoryAndStreamingReadersWalkAlikeWhereverTheFileEnds) {
  DataFileBuilder b;
  b.U16(3).Appointment(40000, "first").U16(40001).I32(0).U16(40002).I32(3 * 65536).Raw("abc");
  b.U16(3).Event(12, 24, "Christmas").Event(1, 1, " skipped").U8(5).U8(5).I32(-4);
  b.U16(3).Text("page").I32(0).Text("last");
  const auto walk = [](auto& reader) {
    RecordingVisitor v;
    const SectionWalkEnd e = WalkSections(reader, v);
    return std::tuple(e.complete, std::string(e.what), e.record, e.count, v.seen,
                      reader.position());
  };
  for (size_t cut = 0; cut <= b.bytes().size(); ++cut) {
    const std::string bytes = b.bytes().substr(0, cut);
    MemoryFileSystem fs;
    fs.Put(kDataPath, bytes);
    const auto file = fs.Open(kDataPath, OpenMode::ExistingRead);
    RecordReader streamed(*file, kSectionsOffset), inMemory(bytes, kSectionsOffset);
    auto expected = walk(inMemory);
    EXPECT_EQ(std::get<0>(expected), cut == b.bytes().size()) << cut;
    // A stream stands at its start offset even where the file is shorter.
    if (cut < kSectionsOffset) std::get<5>(expected) = kSectionsOffset;
    EXPECT_EQ(walk(streamed), expected) << cut;
  }
}

class StoreOperationsTest : public ::testing::Test {
 protected:
  OrganiserStore& Load(const std::string& bytes) {
    fs.Put(kDataPath, bytes);
    store = file.Load(platform);
    return *store;
  }
  // What the file holds after the sections are saved.
  std::string Saved() {
    file.SaveSections(*store);
    return fs.Get(kDataPath);
  }

  MemoryFileSystem fs;
  FakeStorePlatform platform;
  StoreFile file{fs, kDataPath};
  std::unique_ptr<OrganiserStore> store;
};

TEST_F(StoreOperationsTest, ReadingRulesOfEachRecordKind) {
  const std::string file = DataFileBuilder()
                               .U16(4)
                               .Appointment(40000, "first")
                               .U16(40001)
                               .I32(0)  // no text bytes follow a Length of 0
                               .Appointment(40002, " indented")
                               .U16(40003)
                               .I32(5 * 65536)
                               .Raw({"abcd\0", 5})
                               .U16(5)
                               .Event(12, 24, "Christmas")
                               .Event(1, 1, " space")
                               .Event(1, 2, "!bang")
                               .Event(0, 3, "no month")
                               .Event(13, 15, "\"quoted\"")
                               .U16(8)
                               .Text("page one")
                               .I32(0)
                               .Text("page three")
                               .Text("!hidden")
                               .EmptyNotes(4)
                               .bytes();
  OrganiserStore& store = Load(file);
  ASSERT_EQ(store.AppointmentCount(), 3u);
  EXPECT_EQ(TextOf(store.AppointmentSlots[0].Text), "first");
  EXPECT_EQ(TextOf(store.AppointmentSlots[1].Text), " indented");
  EXPECT_EQ(store.AppointmentSlots[2].Day, 40003);
  EXPECT_EQ(store.AppointmentSlots[2].Length(), 5);
  ASSERT_EQ(store.EventCount(), 2u);
  EXPECT_EQ(TextOf(store.EventSlots[0].Text), "Christmas");
  EXPECT_EQ(store.EventSlots[1].Month, 13);
  EXPECT_EQ(TextOf(store.NotePages[0].Text), "page one");
  EXPECT_EQ(store.NotePages[1].Length(), 0);
  EXPECT_EQ(TextOf(store.NotePages[2].Text), "page three");
  // A note page is kept whatever it begins with; events are not.
  EXPECT_EQ(TextOf(store.NotePages[3].Text), "!hidden");
}

TEST_F(StoreOperationsTest, UntouchedFileIsWrittenBackByteForByte) {
  const std::string file = DataFileBuilder(0x1AA3)
                               .U16(2)
                               .Appointment(40000, "a\r\nb")
                               .Appointment(39000, "older")
                               .U16(1)
                               .Event(14, 2, "Monday")
                               .U16(8)
                               .Text("notes")
                               .EmptyNotes(7)
                               .bytes();
  OrganiserStore& store = Load(file);
  EXPECT_EQ(fs.writes, 0);  // every setting was set: loading writes nothing
  store.DataModified = true;
  this->file.SaveHeader(store);
  EXPECT_EQ(Saved(), file);
}

TEST_F(StoreOperationsTest, FreedSlotIsReusedInPlace) {
  OrganiserStore& store = Load(DataFileBuilder()
                                   .U16(2)
                                   .Appointment(40000, "one")
                                   .Appointment(40001, "two")
                                   .U16(0)
                                   .U16(0)
                                   .bytes());
  ShownDay shown = store.ShowDay(40000);
  EXPECT_EQ(store.StoreDayText(shown, " \r\n "), StoreResult::Stored);  // blank frees the slot
  EXPECT_EQ(store.AppointmentCount(), 2u);
  EXPECT_EQ(Saved(),
            DataFileBuilder().U16(1).Appointment(40001, "two").U16(0).U16(8).EmptyNotes(8).bytes());

  shown = store.ShowDay(40005);
  EXPECT_EQ(shown.Slot, 0);
  EXPECT_EQ(store.StoreDayText(shown, "five"), StoreResult::Stored);
  EXPECT_EQ(shown.Slot, 1);  // the freed slot, so it is written first
  EXPECT_EQ(Saved(), DataFileBuilder()
                         .U16(2)
                         .Appointment(40005, "five")
                         .Appointment(40001, "two")
                         .U16(0)
                         .U16(8)
                         .EmptyNotes(8)
                         .bytes());
}

TEST_F(StoreOperationsTest, BlankTextOnADayWithoutSlotWritesNothing) {
  OrganiserStore& store = Load(DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  ShownDay shown = store.ShowDay(40000);
  EXPECT_EQ(store.StoreDayText(shown, "   "), StoreResult::Unchanged);
  file.SaveSections(store);
  EXPECT_EQ(fs.writes, 0);
  EXPECT_FALSE(store.DataModified);
}

TEST_F(StoreOperationsTest, RestoringTheSameTextStillSaves) {
  OrganiserStore& store =
      Load(DataFileBuilder().U16(1).Appointment(40000, "same").U16(0).U16(0).bytes());
  ShownDay shown = store.ShowDay(40000);
  EXPECT_EQ(store.StoreDayText(shown, "same"), StoreResult::Stored);
  file.SaveSections(store);
  EXPECT_GT(fs.writes, 0);
}

TEST_F(StoreOperationsTest, TableGrowsPastTheDesignedSize) {
  OrganiserStore& store = Load(DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  for (int i = 0; i < 2201; ++i) {
    store.AppointmentSlots.push_back({static_cast<uint16_t>(10000 + i), std::string("x\0", 2)});
  }
  ShownDay shown{50000, 0};
  EXPECT_EQ(store.StoreDayText(shown, "new day"), StoreResult::Stored);
  EXPECT_EQ(shown.Slot, 2202);
  file.SaveSections(store);
  const OrganiserStore& again = Load(fs.Get(kDataPath));
  ASSERT_EQ(again.AppointmentCount(), 2202u);
  EXPECT_EQ(TextOf(again.AppointmentSlots[2201].Text), "new day");
}

TEST_F(StoreOperationsTest, RefusesDaysWithoutNumberAndOverlongTexts) {
  OrganiserStore& store = Load(DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  ShownDay shown = store.ShowDay(65536);  // 5 June 2079
  EXPECT_EQ(store.StoreDayText(shown, "lost?"), StoreResult::DayOutOfRange);
  EXPECT_EQ(store.AppointmentCount(), 0u);

  shown = store.ShowDay(40000);
  const std::string longest(kMaxStoredTextBytes - 1, 'x');
  EXPECT_EQ(store.StoreDayText(shown, longest + "y"), StoreResult::TextTooLong);
  EXPECT_EQ(store.StoreNotePage(1, longest + "y"), StoreResult::TextTooLong);
  EXPECT_FALSE(store.DataModified);
  // One event too long to store costs the other rows nothing.
  EXPECT_EQ(store.ReplaceEvents({{1, 1, longest + "y"}, {2, 2, "kept"}}), StoreResult::TextTooLong);
  ASSERT_EQ(store.EventCount(), 1u);
  EXPECT_EQ(TextOf(store.EventSlots[0].Text), "kept");
  EXPECT_EQ(store.StoreDayText(shown, longest), StoreResult::Stored);
  EXPECT_EQ(store.AppointmentSlots[0].Length(), 65534);
}

TEST_F(StoreOperationsTest, ReplaceEventsKeepsOrderAndSkipsIncompleteRows) {
  OrganiserStore& store = Load(DataFileBuilder().U16(0).U16(1).Event(1, 1, "old").U16(0).bytes());
  std::vector<EventItem> rows = {
      {3, 1, "b"}, {0, 5, "no month"}, {2, 0, "no day"}, {4, 4, ""}, {1, 9, "a"}};
  EXPECT_EQ(store.ReplaceEvents(rows), StoreResult::Stored);
  EXPECT_EQ(Saved(), DataFileBuilder()
                         .U16(0)
                         .U16(2)
                         .Event(3, 1, "b")
                         .Event(1, 9, "a")
                         .U16(8)
                         .EmptyNotes(8)
                         .bytes());
  rows.assign(400, {5, 5, "many"});
  store.ReplaceEvents(rows);
  EXPECT_EQ(store.EventCount(), kEventSlots);
}

TEST_F(StoreOperationsTest, NotePagesArePositionalAndKeepSpaces) {
  OrganiserStore& store = Load(DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  store.StoreNotePage(1, "one");
  store.StoreNotePage(3, "   ");
  store.StoreNotePage(9, "ignored");
  EXPECT_EQ(
      Saved(),
      DataFileBuilder().U16(0).U16(0).U16(8).Text("one").I32(0).Text("   ").EmptyNotes(5).bytes());
  store.StoreNotePage(1, "");
  EXPECT_EQ(store.NotePages[0].Length(), 0);
}

TEST_F(StoreOperationsTest, PreservedBitsSurviveHeaderRewrites) {
  OrganiserStore& store = Load(DataFileBuilder(0xFFA3).U16(0).U16(0).U16(0).bytes());
  store.Header.LanguageId = Language::French;
  file.SaveHeader(store);
  EXPECT_EQ(DecodeHeader(Saved()).SettingsWord(), 0x1FA4);
  EXPECT_EQ(Saved().substr(18), DataFileBuilder(0xFFA3).U16(0).U16(0).U16(0).bytes().substr(18));
}

}  // namespace
}  // namespace tovik

namespace tovik {
namespace {

// Loading a file of a megabyte reads the same as decoding its bytes.
TEST(FileReadingTest, MatchesDecodingFromMemory) {
  testing::DataFileBuilder file;
  file.U16(1500);
  for (int i = 0; i < 1500; ++i) {
    file.Appointment(static_cast<uint16_t>(30000 + i),
                     std::string(1 + (i * 7919) % 1200, 'a' + i % 26));
  }
  file.U16(3).Event(1, 1, "x").Event(2, 2, std::string(70000, 'y')).Event(3, 3, "z");
  file.U16(8).Text(std::string(65000, 'n')).EmptyNotes(7);
  testing::MemoryFileSystem fs;
  testing::FakeStorePlatform platform;
  fs.Put(testing::kDataPath, file.bytes());
  StoreFile storeFile(fs, testing::kDataPath);
  const std::unique_ptr<OrganiserStore> loaded = storeFile.Load(platform);
  const OrganiserStore& streamed = *loaded;
  OrganiserStore inMemory;
  const std::string& whole = file.bytes();
  std::shared_ptr<char[]> copy(new char[whole.size()]);
  std::copy(whole.begin(), whole.end(), copy.get());
  inMemory.DecodeSections({std::move(copy), whole.size()}, kSectionsOffset);
  ASSERT_GT(file.bytes().size(), 900000u);
  ASSERT_EQ(streamed.AppointmentCount(), 1500u);
  for (size_t i = 0; i < 1500; ++i) {
    ASSERT_EQ(streamed.AppointmentSlots[i].Text, inMemory.AppointmentSlots[i].Text) << i;
  }
  // The 70000-byte event reads as its high word (1 byte); what follows is
  // then out of step, exactly as in memory.
  ASSERT_EQ(streamed.EventCount(), inMemory.EventCount());
  EXPECT_EQ(streamed.NotePages[0].Text, inMemory.NotePages[0].Text);
}

}  // namespace
}  // namespace tovik
