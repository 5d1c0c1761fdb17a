#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "base/local_date_time.h"
#include "store/daily_backup.h"
#include "store/data_file.h"
#include "store/organiser_store.h"

namespace tovik {

// What loading asks of the platform.
class StorePlatform {
 public:
  virtual ~StorePlatform() = default;
  virtual LocalDateTime Now() = 0;
  // The Windows language identifier of the user's default locale.
  virtual uint16_t UserDefaultLanguage() = 0;
  // The locale's first day of the week ("0" Monday .. "6" Sunday) and first
  // week of the year ("0".."2"); "-1" when they cannot be read.
  virtual std::string LocaleFirstDayOfWeek() = 0;
  virtual std::string LocaleFirstWeekOfYear() = 0;
  // A path on a mapped network drive in its \\server\share form.
  virtual std::string NetworkForm(const std::string& path) = 0;
};

// Loading cannot go on: the data file is missing and cannot be created. The
// message is the operating system's text for the error.
class StartupFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The settling rules for unset settings, from the locale's answers.
Language LanguageFromLangId(uint16_t langId);
WeekStart WeekStartFromLocale(const std::string& firstDayOfWeek);
int32_t FirstWeekRuleFromLocale(const std::string& firstWeekOfYear);
// The time of day as a fraction of a day times 10^9, rounded; its low 16 bits.
uint16_t CreationStampOf(const LocalDateTime& now);

// What a save did. A failed save leaves the file whole and the store's
// DataModified set, so the next save writes the same changes.
enum class SaveOutcome {
  Written,
  NothingToWrite,    // no change waited, or the file is on another computer (the header)
  ChangedElsewhere,  // another program wrote the file since; nothing was written
  Failed,
};
struct SaveResult {
  SaveOutcome Outcome = SaveOutcome::NothingToWrite;
  std::optional<IoError> Failure;        // why, when it failed
  std::optional<IoError> BackupFailure;  // the day's copy could not be made; the save went on
};
// Whether a save may write over a file that another program changed.
enum class Overwrite { IfUnchanged, Always };

// Tovik.dat on disk: loading, the atomic save of the sections, the in-place
// save of the header, the daily copies, and telling whether another program
// wrote the file since this one last read or wrote it. It reports what
// happened and asks nobody: the caller decides what the user is told.
class StoreFile {
 public:
  StoreFile(FileSystem& fs, std::string path);

  // Reads the file into a new store, creating a file that is not there, and
  // settles unset settings from the locale (writing the header for them).
  // Throws StartupFailure when the file is missing and cannot be created.
  std::unique_ptr<OrganiserStore> Load(StorePlatform& platform);

  // Before the diary is first rewritten on a day, the file is copied into
  // `folder` (see DailyBackup).
  void KeepDailyBackups(std::string folder, std::function<CalendarDate()> today);
  // Copies the file as it is on disk into the backup folder under `name`.
  void CopyToBackups(const std::string& name);

  SaveResult SaveHeader(OrganiserStore& store, Overwrite overwrite = Overwrite::IfUnchanged);
  SaveResult SaveSections(OrganiserStore& store, Overwrite overwrite = Overwrite::IfUnchanged);

  const std::string& Path() const { return path_; }
  // False for a file on a network share: its header is never written.
  bool IsLocal() const { return local_; }

 private:
  // True when another program wrote the file since this one last read or
  // wrote it: a new stamp alone is not a change when the bytes are the same.
  bool ChangedOnDisk();
  bool HoldsTheLastImage();

  FileSystem& fs_;
  std::string path_;
  bool local_ = true;
  // The file as this program last read or wrote it: its stamp, its first 22
  // bytes, and its sections, as a digest after a save or as the loaded bytes.
  std::optional<FileStamp> stamp_;
  std::string head_;
  std::optional<uint64_t> sectionsDigest_;
  SharedBytes loaded_;
  std::unique_ptr<DailyBackup> backup_;
};

// Writes the 18 header bytes at the start of the existing file.
void WriteHeaderInPlace(FileSystem& fs, const std::string& path, const FileHeader& header);
// Writes the sections, everything from offset 22 to the end of the file.
using SectionsWriter = std::function<void(BufferedFileWriter& out)>;

// Puts the sections in place of everything from offset 22 on. The new file is
// written beside the old one and swapped in, so a failure at any step leaves
// the old file whole; when another process holds the file open and the swap is
// refused for about a second, the sections are rewritten in place instead.
// Returns the first 22 bytes as the file now holds them.
std::string ReplaceSections(FileSystem& fs, const std::string& path,
                            const SectionsWriter& sections);

}  // namespace tovik
