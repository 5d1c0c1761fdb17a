#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/day_number.h"
#include "base/file_system.h"
#include "base/local_date_time.h"

namespace tovik {

// Before the diary is first rewritten on a calendar day, the data file as it
// stands is copied to <folder>Tovik-YYYY-MM-DD.dat; the newest kKept copies
// stay, older ones go. A day whose copy exists (an earlier run) is not
// copied again.
class DailyBackup {
 public:
  static constexpr size_t kKept = 14;

  DailyBackup(FileSystem& fs, std::string dataFilePath, std::string folder,
              std::function<CalendarDate()> today);
  // Throws IoError when the copy cannot be made; the save goes on all the
  // same, so the caller reports it and carries on.
  void BeforeSave();

  // Copies the data file as it is on disk into the folder under that name.
  void CopyAs(const std::string& name);

  static std::string NameFor(const CalendarDate& day);
  // The name of another program's version, kept when it changed the file.
  static std::string ChangedNameFor(const LocalDateTime& now);

 private:
  void RemoveOldest();

  FileSystem& fs_;
  std::string dataFilePath_;
  std::string folder_;  // ends in a path separator
  std::function<CalendarDate()> today_;
  std::optional<CalendarDate> done_;  // the day whose copy exists
};

}  // namespace tovik
