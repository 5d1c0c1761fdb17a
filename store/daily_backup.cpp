#include "store/daily_backup.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace tovik {
namespace {

constexpr std::string_view kPrefix = "Tovik-";
constexpr std::string_view kSuffix = ".dat";

// Tovik-YYYY-MM-DD.dat, whose names sort by date.
bool IsBackupName(const std::string& name) {
  if (name.size() != kPrefix.size() + 10 + kSuffix.size()) return false;
  if (name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  if (name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) return false;
  const std::string_view date(name.data() + kPrefix.size(), 10);
  for (size_t i = 0; i < date.size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? date[i] != '-' : (date[i] < '0' || date[i] > '9')) return false;
  }
  return true;
}

}  // namespace

DailyBackup::DailyBackup(FileSystem& fs, std::string dataFilePath, std::string folder,
                         std::function<CalendarDate()> today)
    : fs_(fs),
      dataFilePath_(std::move(dataFilePath)),
      folder_(std::move(folder)),
      today_(std::move(today)) {}

std::string DailyBackup::NameFor(const CalendarDate& day) {
  char name[32];
  std::snprintf(name, sizeof name, "Tovik-%04d-%02d-%02d.dat", day.Year, day.Month, day.Day);
  return name;
}

std::string DailyBackup::ChangedNameFor(const LocalDateTime& now) {
  char name[48];
  std::snprintf(name, sizeof name, "Tovik-changed-%04d-%02d-%02d-%02d%02d%02d.dat", now.Year,
                now.Month, now.Day, now.Hour, now.Minute, now.Second);
  return name;
}

void DailyBackup::BeforeSave() {
  const CalendarDate today = today_();
  if (done_ == today) return;
  if (!fs_.FileExists(folder_ + NameFor(today)) && fs_.FileExists(dataFilePath_)) {
    CopyAs(NameFor(today));
    RemoveOldest();
  }
  done_ = today;
}

void DailyBackup::CopyAs(const std::string& name) {
  const std::string bytes = ReadWholeFile(*fs_.Open(dataFilePath_, OpenMode::ExistingRead));
  if (!fs_.DirectoryExists(folder_) && !fs_.MakeDirectory(folder_)) {
    throw IoError("The backup folder " + folder_ + " cannot be made");
  }
  ReplaceFileContent(fs_, folder_ + name, [&bytes](BufferedFileWriter& out) { out.Append(bytes); });
}

void DailyBackup::RemoveOldest() {
  std::vector<std::string> names = fs_.FileNames(folder_);
  std::erase_if(names, [](const std::string& name) { return !IsBackupName(name); });
  if (names.size() <= kKept) return;
  std::sort(names.begin(), names.end());
  for (size_t i = 0; i + kKept < names.size(); ++i) fs_.Remove(folder_ + names[i]);
}

}  // namespace tovik
