#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "base/local_date_time.h"
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

OrganiserStore LoadStore(const std::string& dataFilePath, FileSystem& fs, StorePlatform& platform);
// The same, made where it stays: a store that is moved keeps its texts, but
// each loaded note page then takes a copy of its bytes.
std::unique_ptr<OrganiserStore> LoadStoreInPlace(const std::string& dataFilePath, FileSystem& fs,
                                                 StorePlatform& platform);

// The settling rules for unset settings, from the locale's answers.
Language LanguageFromLangId(uint16_t langId);
WeekStart WeekStartFromLocale(const std::string& firstDayOfWeek);
int32_t FirstWeekRuleFromLocale(const std::string& firstWeekOfYear);
// The time of day as a fraction of a day times 10^9, rounded; its low 16 bits.
uint16_t CreationStampOf(const LocalDateTime& now);

// Writes the 18 header bytes at the start of the existing file.
void WriteHeaderInPlace(FileSystem& fs, const std::string& path, const FileHeader& header);
// Writes the sections, everything from offset 22 to the end of the file.
using SectionsWriter = std::function<void(BufferedFileWriter& out)>;

// Puts the sections in place of everything from offset 22 on. The new file is
// written beside the old one and swapped in, so a failure at any step leaves
// the old file whole; when another process holds the file open and the swap is
// refused for about a second, the sections are rewritten in place instead.
void ReplaceSections(FileSystem& fs, const std::string& path, const SectionsWriter& sections);

}  // namespace tovik
