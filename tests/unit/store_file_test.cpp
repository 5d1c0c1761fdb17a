// Loading, creating and saving the data file, its failures and its recovery.
#include "store/store_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>

#include "base/day_number.h"
#include "base/file_system_posix.h"
#include "tests/unit/data_file_builder.h"
#include "tests/unit/store_test_support.h"

namespace tovik {
namespace {

using testing::DataFileBuilder;
using testing::FakeStorePlatform;
using testing::kDataPath;
using testing::MemoryFileSystem;

class StoreFileTest : public ::testing::Test {
 protected:
  // Loads through a file unit of its own, which the saves then use.
  OrganiserStore& Load(FileSystem& from, const std::string& path = kDataPath) {
    file = std::make_unique<StoreFile>(from, path);
    store = file->Load(platform);
    return *store;
  }
  OrganiserStore& Load() { return Load(fs); }
  // Stores a note page and saves it, as the notes page commits.
  SaveOutcome SaveNote(int page, std::string_view text) {
    store->StoreNotePage(page, text);
    return file->SaveSections(*store).Outcome;
  }
  MemoryFileSystem fs;
  FakeStorePlatform platform;
  std::unique_ptr<StoreFile> file;
  std::unique_ptr<OrganiserStore> store;
};

TEST_F(StoreFileTest, FirstStartCreatesTheFileAndSettlesItsHeader) {
  platform.now = {2026, 12, 8, 18, 0, 0, 0};  // three quarters of a day
  OrganiserStore& store = Load();
  const std::string file = fs.Get(kDataPath);
  ASSERT_EQ(file.size(), 28u);
  const FileHeader h = DecodeHeader(file);
  EXPECT_EQ(h.SettingsWord(), 2 | 1 << 4 | 1 << 6);  // English, Sunday, week of 1 January
  EXPECT_EQ(h.CreatedDay, DayNumberFromDate(2026, 12, 8));
  EXPECT_EQ(h.CreationStamp, 750000000 & 0xFFFF);
  EXPECT_EQ(h.BackgroundColor, 0x00800000);
  EXPECT_EQ(h.FontColor, 0x00FFFFFF);
  EXPECT_EQ(store.AppointmentCount(), 0u);
  EXPECT_EQ(store.EventCount(), 0u);
  store.DataModified = true;
  this->file->SaveSections(store);  // the first rewrite gives the eight note records
  EXPECT_EQ(fs.Get(kDataPath).size(), 24u + 2 + 2 + 8 * 4);
}

TEST_F(StoreFileTest, DanishLocaleSettlesDanishSettingsAndLongDatePrefix) {
  platform.lang_id = 0x0406;
  platform.first_day = "0";   // Monday
  platform.first_week = "2";  // first week with four days
  OrganiserStore& store = Load();
  EXPECT_EQ(store.Header.LanguageId, Language::Danish);
  EXPECT_EQ(store.Header.WeekStartDay, WeekStart::Monday);
  EXPECT_EQ(store.Header.FirstWeekRule, 3);
  EXPECT_EQ(store.LongDatePrefix, "dddd, ");
  EXPECT_EQ(DecodeHeader(fs.Get(kDataPath)).SettingsWord(), 1 | 2 << 4 | 3 << 6);
}

TEST(SettlingTest, LanguageFromTheUserLocale) {
  const std::pair<uint16_t, uint16_t> cases[] = {
      {0x0406, 1}, {0x0407, 3}, {0x0809, 2}, {0x0C0A, 5}, {0x040C, 4}, {0x0413, 6},
      {0x0816, 8}, {0x0419, 7}, {0x0414, 2}, {0x0000, 2}, {0x041D, 2},
  };
  for (const auto& [langId, expected] : cases)
    EXPECT_EQ(static_cast<uint16_t>(LanguageFromLangId(langId)), expected) << langId;
}

TEST(SettlingTest, WeekStartAndRuleFromTheLocale) {
  const std::pair<const char*, int32_t> starts[] = {
      {"0", 2}, {"6", 1}, {"5", 2}, {"2", 2}, {"-1", 1}, {"", 1}, {"x", 1}, {"-5", 2}, {"13", 1},
  };
  for (const auto& [text, expected] : starts)
    EXPECT_EQ(static_cast<int32_t>(WeekStartFromLocale(text)), expected) << text;
  const std::pair<const char*, int32_t> rules[] = {
      {"0", 1}, {"1", 2}, {"2", 3}, {"-1", 3}, {"3", 3}, {"junk", 3}, {"", 3},
  };
  for (const auto& [text, expected] : rules)
    EXPECT_EQ(FirstWeekRuleFromLocale(text), expected) << text;
}

TEST_F(StoreFileTest, OnlyUnsetSettingsAreSettledEachWithItsOwnWrite) {
  fs.Put(kDataPath, DataFileBuilder(0x0023).U16(0).U16(0).U16(0).bytes());  // rule unset
  platform.first_week = "1";
  OrganiserStore& store = Load();
  EXPECT_EQ(store.Header.FirstWeekRule, 2);
  EXPECT_EQ(fs.writes, 1);
  EXPECT_EQ(DecodeHeader(fs.Get(kDataPath)).SettingsWord(), 0x00A3);
}

TEST_F(StoreFileTest, NetworkFileIsNeitherCreatedNorGivenAHeader) {
  platform.network_form = "\\\\server\\share\\Tovik.dat";
  OrganiserStore& missing = Load();
  EXPECT_FALSE(fs.FileExists(kDataPath));
  EXPECT_EQ(missing.Header.BackgroundColor, 0);
  EXPECT_EQ(missing.Header.FontColor, 0);
  EXPECT_EQ(SaveNote(1, "text"), SaveOutcome::Failed);
  EXPECT_TRUE(missing.DataModified);  // the save failed and will be tried again

  const std::string bytes = DataFileBuilder(0).U16(0).U16(0).U16(0).bytes();
  fs.Put(kDataPath, bytes);
  OrganiserStore& store = Load();
  store.Header.LanguageId = Language::Spanish;
  EXPECT_EQ(file->SaveHeader(store).Outcome, SaveOutcome::NothingToWrite);
  EXPECT_EQ(fs.Get(kDataPath), bytes);
  EXPECT_EQ(SaveNote(1, "text"), SaveOutcome::Written);
  EXPECT_NE(fs.Get(kDataPath), bytes);
}

TEST_F(StoreFileTest, UnopenableFileIsNeverRecreated) {
  const std::string file = DataFileBuilder().U16(0).U16(0).U16(0).bytes();
  fs.Put(kDataPath, file);
  fs.unopenable.insert(kDataPath);
  EXPECT_THROW(Load(), StartupFailure);
  EXPECT_EQ(fs.Get(kDataPath), file);
}

TEST_F(StoreFileTest, UncreatableFileEndsStartWithTheSystemText) {
  fs.read_only_folders.insert("C:\\Data\\");
  try {
    Load();
    FAIL() << "no failure";
  } catch (const StartupFailure& e) {
    EXPECT_STREQ(e.what(), "Access is denied.");
  }
}

// A file cut off anywhere loads what is complete and writes nothing.
TEST_F(StoreFileTest, TruncatedFilesLoadTheirCompleteRecords) {
  const std::string whole = DataFileBuilder()
                                .U16(2)
                                .Appointment(40000, "one")
                                .Appointment(40001, "two")
                                .U16(1)
                                .Event(5, 5, "may")
                                .U16(8)
                                .Text("note")
                                .EmptyNotes(7)
                                .bytes();
  for (size_t cut = 18; cut <= whole.size(); ++cut) {
    MemoryFileSystem cutFs;
    cutFs.Put(kDataPath, whole.substr(0, cut));
    const OrganiserStore& store = Load(cutFs);
    EXPECT_EQ(cutFs.writes, 0) << cut;
    EXPECT_LE(store.AppointmentCount(), 2u);
    EXPECT_EQ(store.AppointmentCount(), cut >= 24 + 10 + 10 ? 2u : cut >= 24 + 10 ? 1u : 0u) << cut;
    EXPECT_EQ(store.EventCount(), cut >= 44 + 2 + 10 ? 1u : 0u) << cut;
  }
}

TEST_F(StoreFileTest, CountsBeyondTheFileAndNegativeLengthsAreHarmless) {
  fs.Put(kDataPath, DataFileBuilder().U16(65535).U16(1).I32(-9).U16(2).I32(0x7FFFFFFF).bytes());
  OrganiserStore& store = Load();
  EXPECT_EQ(store.AppointmentCount(), 0u);
  fs.Put(kDataPath, DataFileBuilder().U16(0).U16(400).bytes() + std::string(400 * 8, 'A'));
  EXPECT_LE(Load().EventCount(), kEventSlots);
}

TEST_F(StoreFileTest, ReadErrorKeepsTheRecordsBeforeIt) {
  const std::string whole =
      DataFileBuilder().U16(2).Appointment(40000, "one").Appointment(40001, "two").bytes();
  fs.Put(kDataPath, whole);
  fs.unreadable_from = whole.size() - 2;
  OrganiserStore& store = Load();
  ASSERT_EQ(store.AppointmentCount(), 1u);
  EXPECT_EQ(TextOf(store.AppointmentSlots[0].Text), "one");
  EXPECT_EQ(fs.writes, 0);
}

TEST_F(StoreFileTest, FileThatGrowsWhileReadIsReadOn) {
  const std::string whole = DataFileBuilder()
                                .U16(1)
                                .Appointment(40000, std::string(5000, 'd'))
                                .U16(0)
                                .U16(8)
                                .Text(std::string(9000, 'n'))
                                .EmptyNotes(7)
                                .bytes();
  const size_t cut = whole.size() - 8000;
  fs.Put(kDataPath, whole.substr(0, cut));
  fs.appended_at_first_read = whole.substr(cut);
  OrganiserStore& store = Load();
  EXPECT_EQ(TextOf(store.NotePages[0].Text), std::string(9000, 'n'));
}

// Rows: file, bytes it grows by while read, what happens to it after the
// load. A store asks before it writes over a file changed since the load, and
// only then: it compares with the stamp of the bytes read, or of the file
// after the load's own writes (settling a header in 10 bytes, creating), and
// where the stamp differs, with the bytes. A refused save is tried again.
TEST_F(StoreFileTest, SaveAsksOnlyWhenTheFileChangedSinceTheLoad) {
  enum Change { kNone, kOtherBytes, kSameBytesAgain };
  const std::string plain = DataFileBuilder().U16(1).Appointment(40000, "day").U16(0).bytes();
  const std::string head = DataFileBuilder(0).bytes().substr(0, 10), nuls(7000, '\0');
  const std::tuple<std::string, std::string, Change> cases[] = {
      {plain, "", kNone},          {plain, "", kOtherBytes},  {plain, nuls, kNone},
      {head, "", kNone},           {"", "", kNone},           {plain, "", kSameBytesAgain},
      {head, "", kSameBytesAgain}, {"", "", kSameBytesAgain},
  };
  for (const auto& [file, grown, change] : cases) {
    MemoryFileSystem caseFs;
    if (!file.empty()) caseFs.Put(kDataPath, file);
    caseFs.appended_at_first_read = grown;
    const OrganiserStore& store = Load(caseFs);
    if (change == kOtherBytes) caseFs.Put(kDataPath, file + "more");
    if (change == kSameBytesAgain) caseFs.Touch(kDataPath);
    const std::string before = caseFs.Get(kDataPath);
    const SaveOutcome outcome = SaveNote(1, "note");
    const bool changed = change == kOtherBytes;
    EXPECT_EQ(std::tuple(outcome == SaveOutcome::ChangedElsewhere, store.DataModified,
                         caseFs.Get(kDataPath) == before),
              std::tuple(changed, changed, changed))
        << file.size() << change;
    if (changed) {  // written when the user keeps their changes
      EXPECT_EQ(this->file->SaveSections(*this->store, Overwrite::Always).Outcome,
                SaveOutcome::Written);
    }
    // After a save the digest of what was written stands for the bytes.
    caseFs.Touch(kDataPath);
    EXPECT_EQ(SaveNote(2, "again"), SaveOutcome::Written) << file.size() << change;
    caseFs.Put(kDataPath, caseFs.Get(kDataPath) + "x");
    EXPECT_EQ(SaveNote(3, "third"), SaveOutcome::ChangedElsewhere) << file.size() << change;
  }
}

// On the disk an open file's stamp is its path's, so the store's own saves never ask.
TEST_F(StoreFileTest, OnDiskTheOpenFileGivesThePathStampAndSavesDoNotAsk) {
  char folder[] = "/tmp/tovik-store-test.XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/Tovik.dat";
  PosixFileSystem disk;
  Load(disk, path);  // creates the file
  EXPECT_EQ(disk.Open(path, OpenMode::ExistingRead)->Stamp(), disk.StampOf(path));
  EXPECT_EQ(SaveNote(1, "first"), SaveOutcome::Written);
  EXPECT_EQ(SaveNote(1, "second"), SaveOutcome::Written);
  EXPECT_EQ(TextOf(Load(disk, path).NotePages[0].Text), "second");
  std::filesystem::remove_all(folder);
}

// Loaded texts share the bytes read at start; a copied entry or a copy of
// the store keeps them, whatever becomes of the store they came from (the
// sanitizer tree catches a read of freed bytes).
TEST_F(StoreFileTest, LoadedTextsOutliveTheStoreTheyWereLoadedInto) {
  fs.Put(kDataPath, DataFileBuilder()
                        .U16(2)
                        .Appointment(40000, "first day")
                        .Appointment(40001, "second day")
                        .U16(1)
                        .Event(12, 24, "Christmas Eve")
                        .U16(8)
                        .Text("page")
                        .EmptyNotes(7)
                        .bytes());
  Load();
  ShownDay shown = store->ShowDay(40001);
  store->StoreDayText(shown, "changed");
  std::optional<OrganiserStore> copy(*store);
  const AppointmentEntry day = store->AppointmentSlots[0];
  const PeriodicEvent event = store->EventSlots[0];
  const NotePage note = store->NotePages[0];
  store.reset();
  EXPECT_EQ(TextOf(copy->AppointmentSlots[0].Text), "first day");
  EXPECT_EQ(TextOf(copy->AppointmentSlots[1].Text), "changed");
  EXPECT_EQ(TextOf(copy->EventSlots[0].Text), "Christmas Eve");
  EXPECT_EQ(TextOf(copy->NotePages[0].Text), "page");
  copy->DataModified = true;
  file->SaveSections(*copy);
  EXPECT_EQ(TextOf(Load().AppointmentSlots[0].Text), "first day");
  // Nothing of the load is left but the three entries copied out of it.
  copy.reset();
  EXPECT_EQ(TextOf(day.Text), "first day");
  EXPECT_EQ(TextOf(event.Text), "Christmas Eve");
  EXPECT_EQ(TextOf(note.Text), "page");
}

// Whatever single step of a save fails, the disk holds the old file or the
// new one, whole; a failed save keeps DataModified so the next one retries.
TEST_F(StoreFileTest, SaveFailureAtAnyStepLeavesOldOrNewFileWhole) {
  const std::string old =
      DataFileBuilder().U16(1).Appointment(40000, "old text").U16(0).U16(8).EmptyNotes(8).bytes();
  const std::string fresh =
      DataFileBuilder().U16(1).Appointment(40000, "new text").U16(0).U16(8).EmptyNotes(8).bytes();
  int failures = 0;
  for (int step = 1;; ++step) {
    MemoryFileSystem stepFs;
    stepFs.Put(kDataPath, old);
    OrganiserStore& store = Load(stepFs);
    ShownDay shown = store.ShowDay(40000);
    stepFs.fail_at_step = stepFs.steps + step;
    store.StoreDayText(shown, "new text");
    const bool failed = file->SaveSections(store).Outcome == SaveOutcome::Failed;
    const std::string onDisk = stepFs.Get(kDataPath);
    EXPECT_TRUE(onDisk == old || onDisk == fresh) << "step " << step;
    EXPECT_EQ(failed, onDisk == old) << "step " << step;
    EXPECT_EQ(store.DataModified, failed) << "step " << step;
    EXPECT_EQ(stepFs.files.size(), 1u) << "temporary file left behind at step " << step;
    if (!failed) break;
    ++failures;
  }
  EXPECT_GE(failures, 3);  // the write, the flush and the replacement
}

TEST_F(StoreFileTest, FileHeldOpenIsRewrittenInPlaceAfterRetries) {
  fs.Put(kDataPath, DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  OrganiserStore& store = Load();
  fs.refuse_replacements = 1000;
  SaveNote(2, "kept");
  EXPECT_FALSE(store.DataModified);
  EXPECT_GE(fs.paused_ms, 900);
  EXPECT_LE(fs.paused_ms, 1500);
  EXPECT_EQ(fs.Get(kDataPath),
            DataFileBuilder().U16(0).U16(0).U16(8).I32(0).Text("kept").EmptyNotes(6).bytes());
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST_F(StoreFileTest, BriefLockIsWaitedOut) {
  fs.Put(kDataPath, DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  OrganiserStore& store = Load();
  fs.refuse_replacements = 2;
  const int writesBefore = fs.writes;
  SaveNote(1, "x");
  EXPECT_FALSE(store.DataModified);
  EXPECT_EQ(fs.writes - writesBefore, 1);  // the temporary file only: no in-place rewrite
}

TEST_F(StoreFileTest, ReadOnlyFolderRaisesAndKeepsTheOldFile) {
  const std::string old = DataFileBuilder().U16(0).U16(0).U16(0).bytes();
  fs.Put(kDataPath, old);
  OrganiserStore& store = Load();
  fs.read_only_folders.insert("C:\\Data\\");
  EXPECT_EQ(SaveNote(1, "x"), SaveOutcome::Failed);
  EXPECT_TRUE(store.DataModified);
  EXPECT_EQ(fs.Get(kDataPath), old);
}

TEST_F(StoreFileTest, SectionsAreSavedOnlyWhenModified) {
  fs.Put(kDataPath, DataFileBuilder().U16(0).U16(0).U16(0).bytes());
  OrganiserStore& clean = Load();
  EXPECT_EQ(file->SaveSections(clean).Outcome, SaveOutcome::NothingToWrite);
  EXPECT_EQ(fs.writes, 0);
  OrganiserStore& dirty = Load();
  dirty.NotePages[0].Text = std::string("z\0", 2);
  dirty.DataModified = true;
  EXPECT_EQ(file->SaveSections(dirty).Outcome, SaveOutcome::Written);
  EXPECT_EQ(Load().NotePages[0].Length(), 2);
}

}  // namespace
}  // namespace tovik
