#include "store/store_file.h"

#include <algorithm>
#include <cmath>

#include "base/day_number.h"

namespace tovik {

namespace {
constexpr int kReplaceAttempts = 10;
constexpr int kReplacePauseMs = 100;

// A strict decimal integer with an optional sign, as the locale answers are.
bool ParseInteger(const std::string& text, int& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size() || text.size() - i > 9) return false;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  value = negative ? -v : v;
  return true;
}

// Everything from `position` to the end of the file, read in one go; a file
// that grows while it is read is read on. A read error ends the bytes there.
SharedBytes ReadToEnd(File& file, uint64_t position) {
  size_t capacity = 0;
  try {
    const uint64_t size = file.Size();
    if (size > position) capacity = static_cast<size_t>(size - position);
    file.Seek(position);
  } catch (const IoError&) {
    return {};
  }
  // One byte to spare, so the read that finds the end needs no second buffer.
  ++capacity;
  std::shared_ptr<char[]> data(new char[capacity]);
  size_t have = 0;
  try {
    ReadInto(file, data.get(), capacity, have);
    while (have == capacity) {  // the file grew while it was read
      std::shared_ptr<char[]> grown(new char[capacity * 2]);
      std::copy(data.get(), data.get() + have, grown.get());
      data = std::move(grown);
      capacity *= 2;
      ReadInto(file, data.get(), capacity, have);
    }
  } catch (const IoError&) {  // what could not be read stays unread
  }
  return {std::move(data), have};
}

void RewriteSectionsInPlace(FileSystem& fs, const std::string& path, std::string_view sections) {
  auto file = fs.Open(path, OpenMode::ExistingReadWrite);
  if (file->Size() < kSectionsOffset) {  // a short file gets zeros up to the sections
    file->Seek(file->Size());
    WriteAll(*file, std::string(kSectionsOffset - file->Size(), '\0'));
  }
  file->Seek(kSectionsOffset);
  WriteAll(*file, sections);
  file->Truncate();
  file->Flush();
}
}  // namespace

uint16_t LanguageFromLangId(uint16_t langId) {
  switch (langId & 0x3FF) {
    case 6:
      return 1;  // Danish
    case 7:
      return 3;  // German
    case 9:
      return 2;  // English
    case 10:
      return 5;  // Spanish
    case 12:
      return 4;  // French
    case 19:
      return 6;  // Dutch
    case 22:
      return 8;  // Portuguese
    case 25:
      return 7;  // Russian
    default:
      return 2;
  }
}

int32_t WeekStartFromLocale(const std::string& firstDayOfWeek) {
  int value = 0;
  if (!ParseInteger(firstDayOfWeek, value)) return 1;
  const int32_t start = ((value + 1) % 7) + 1;
  return start == 1 || start == 2 ? start : 2;
}

int32_t FirstWeekRuleFromLocale(const std::string& firstWeekOfYear) {
  int value = 0;
  if (!ParseInteger(firstWeekOfYear, value)) return 3;
  const int32_t rule = value + 1;
  return rule >= 1 && rule <= 3 ? rule : 3;
}

uint16_t CreationStampOf(const LocalDateTime& now) {
  const double ms = ((now.Hour * 60.0 + now.Minute) * 60.0 + now.Second) * 1000.0 + now.Millisecond;
  const auto stamp = static_cast<int64_t>(std::llround(ms / 86400000.0 * 1e9));
  return static_cast<uint16_t>(stamp & 0xFFFF);
}

OrganiserStore LoadStore(const std::string& dataFilePath, FileSystem& fs, StorePlatform& platform) {
  OrganiserStore store(fs, dataFilePath);
  store.LocalDataFile = platform.NetworkForm(dataFilePath).rfind("\\\\", 0) != 0;
  const LocalDateTime now = platform.Now();
  const int32_t today = DayNumberFromDate(now.Year, now.Month, now.Day);
  store.SelectedDay = today;

  std::unique_ptr<File> file;
  try {
    file = fs.Open(dataFilePath, OpenMode::ExistingReadWrite);
  } catch (const IoError&) {
  }
  // The header is read first; the sections are streamed from the same open
  // file after the settling, which writes only the header bytes.
  std::string head;
  if (file) {
    try {
      ReadUpTo(*file, kSectionsOffset, head);
    } catch (const IoError&) {  // what could not be read stays unread
    }
  } else if (store.LocalDataFile) {
    // Creation is only ever for a file that is not there: CreateNew never
    // truncates a file that merely could not be opened.
    head = NewFileImage(static_cast<uint16_t>(today), CreationStampOf(now));
    try {
      WriteAll(*fs.Open(dataFilePath, OpenMode::CreateNew), head);
    } catch (const IoError& e) {
      throw StartupFailure(e.what());
    }
  }

  const FileHeader header = DecodeHeader(head);
  const Settings settings = SplitSettingsWord(header.SettingsWord);
  store.LanguageId = settings.LanguageId;
  store.WeekStartDay = settings.WeekStartDay;
  store.FirstWeekRule = settings.FirstWeekRule;
  store.PreservedBits = settings.PreservedBits;
  store.CreatedDay = header.CreatedDay;
  store.CreationStamp = header.CreationStamp;
  store.Reserved6 = header.Reserved6;
  store.Reserved8 = header.Reserved8;
  store.BackgroundColor = header.BackgroundColor;
  store.FontColor = header.FontColor;

  // Header writes while settling are best effort: reading ignores failures,
  // and the program writes the header again once it is up.
  const auto saveHeader = [&store] {
    try {
      store.SaveHeader();
    } catch (const IoError&) {
    }
  };
  if (store.LanguageId == 0 || store.LanguageId > 8) {
    store.LanguageId = LanguageFromLangId(platform.UserDefaultLanguage());
    saveHeader();
  }
  if (store.LanguageId == 1) store.LongDatePrefix = "dddd, ";
  if (store.WeekStartDay != 1 && store.WeekStartDay != 2) {
    store.WeekStartDay = WeekStartFromLocale(platform.LocaleFirstDayOfWeek());
    saveHeader();
  }
  if (store.FirstWeekRule < 1 || store.FirstWeekRule > 3) {
    store.FirstWeekRule = FirstWeekRuleFromLocale(platform.LocaleFirstWeekOfYear());
    saveHeader();
  }

  // A file just created, or one that could not be opened, has no records.
  if (file) store.DecodeSections(ReadToEnd(*file, kSectionsOffset));
  return store;
}

void WriteHeaderInPlace(FileSystem& fs, const std::string& path, const FileHeader& header) {
  auto file = fs.Open(path, OpenMode::ExistingReadWrite);
  const auto bytes = EncodeHeader(header);
  file->Write(bytes.data(), bytes.size());
}

void ReplaceSections(FileSystem& fs, const std::string& path, std::string_view sections) {
  // The first 22 bytes are kept as they are on disk; a shorter file gets
  // zeros up to the sections.
  std::string image;
  ReadUpTo(*fs.Open(path, OpenMode::ExistingRead), kSectionsOffset, image);
  image.resize(kSectionsOffset, '\0');
  image.append(sections);

  const std::string temp = path + ".tmp";
  try {
    auto file = fs.Open(temp, OpenMode::CreateAlways);
    WriteAll(*file, image);
    file->Flush();
  } catch (const IoError&) {
    fs.Remove(temp);
    throw;
  }

  for (int attempt = 1;; ++attempt) {
    try {
      fs.Replace(path, temp);
      return;
    } catch (const IoError& e) {
      if (e.kind() != IoError::Kind::SharingViolation) {
        fs.Remove(temp);
        throw;
      }
      if (attempt == kReplaceAttempts) break;
      fs.Pause(kReplacePauseMs);
    }
  }
  fs.Remove(temp);
  RewriteSectionsInPlace(fs, path, sections);
}

}  // namespace tovik
