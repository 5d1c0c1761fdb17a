#include "store/store_file.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <new>
#include <optional>

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

// Load buffers start on a cache line: the system copies a file into memory
// that starts on one markedly faster than into memory 16 bytes past one,
// where the allocator may place a plain array.
constexpr std::align_val_t kLoadBufferAlignment{64};
struct LoadBufferFree {
  void operator()(char* bytes) const { ::operator delete[](bytes, kLoadBufferAlignment); }
};
using LoadBuffer = std::unique_ptr<char[], LoadBufferFree>;

// The memory of the last loaded file, kept when its store lets it go, so that
// loading again reuses warm memory instead of faulting in fresh pages (a
// large file's buffer is mapped anew by the allocator every time).
class LoadBufferReserve {
 public:
  std::shared_ptr<char[]> Take(size_t capacity) {
    LoadBuffer block;
    size_t blockCapacity = capacity;
    {
      const std::lock_guard<std::mutex> hold(lock_);
      if (kept_ && keptCapacity_ >= capacity && keptCapacity_ / 2 <= capacity) {
        block = std::move(kept_);
        blockCapacity = keptCapacity_;
      }
    }
    if (!block) block.reset(static_cast<char*>(::operator new[](capacity, kLoadBufferAlignment)));
    return {block.release(), [this, blockCapacity](char* bytes) { Give(bytes, blockCapacity); }};
  }

 private:
  void Give(char* bytes, size_t capacity) {
    LoadBuffer block(bytes);
    const std::lock_guard<std::mutex> hold(lock_);
    if (!kept_ || keptCapacity_ < capacity) {
      kept_ = std::move(block);
      keptCapacity_ = capacity;
    }
  }

  std::mutex lock_;
  LoadBuffer kept_;
  size_t keptCapacity_ = 0;
};

// Never destroyed: a store that outlives the program's statics still gives
// its bytes back.
LoadBufferReserve& TheLoadBufferReserve() {
  static LoadBufferReserve* const reserve = new LoadBufferReserve;
  return *reserve;
}

// The whole file, read in one go; a file that grows while it is read is read
// on. A read error ends the bytes there. `stamp` is the file's stamp from
// before the read when the read found the file as the stamp says; otherwise
// nothing, and the caller asks by path after the read, as for any file.
SharedBytes ReadWholeFileShared(File& file, std::optional<FileStamp>& stamp) {
  size_t size = 0;
  try {
    // One question gives both the size and the stamp.
    stamp = file.Stamp();
    size = static_cast<size_t>(stamp ? stamp->Size : file.Size());
  } catch (const IoError&) {
    stamp.reset();
    return {};
  }
  // One byte to spare: a read that fills it shows that the file grew. A file
  // reads short only at its end, so a short read of the whole size needs no
  // further read to find the end.
  size_t capacity = size + 1;
  std::shared_ptr<char[]> data = TheLoadBufferReserve().Take(capacity);
  size_t have = 0;
  try {
    have = file.Read(data.get(), capacity);
    if (have < size) ReadInto(file, data.get(), capacity, have);
    while (have == capacity) {
      std::shared_ptr<char[]> grown = TheLoadBufferReserve().Take(capacity * 2);
      std::copy(data.get(), data.get() + have, grown.get());
      data = std::move(grown);
      capacity *= 2;
      ReadInto(file, data.get(), capacity, have);
    }
  } catch (const IoError&) {  // what could not be read stays unread
    stamp.reset();
  }
  if (have != size) stamp.reset();
  return {std::move(data), have};
}

SaveResult Outcome(SaveOutcome outcome) {
  SaveResult result;
  result.Outcome = outcome;
  return result;
}

SaveResult Failed(const IoError& error) {
  SaveResult result = Outcome(SaveOutcome::Failed);
  result.Failure = error;
  return result;
}

void RewriteSectionsInPlace(FileSystem& fs, const std::string& path,
                            const SectionsWriter& sections) {
  auto file = fs.Open(path, OpenMode::ExistingReadWrite);
  if (file->Size() < kSectionsOffset) {  // a short file gets zeros up to the sections
    file->Seek(file->Size());
    WriteAll(*file, std::string(kSectionsOffset - file->Size(), '\0'));
  }
  file->Seek(kSectionsOffset);
  BufferedFileWriter out(*file);
  sections(out);
  out.Flush();
  file->Truncate();
  file->Flush();
}
}  // namespace

Language LanguageFromLangId(uint16_t langId) {
  switch (langId & 0x3FF) {
    case 6:
      return Language::Danish;
    case 7:
      return Language::German;
    case 9:
      return Language::English;
    case 10:
      return Language::Spanish;
    case 12:
      return Language::French;
    case 19:
      return Language::Dutch;
    case 22:
      return Language::Portuguese;
    case 25:
      return Language::Russian;
    default:
      return Language::English;
  }
}

WeekStart WeekStartFromLocale(const std::string& firstDayOfWeek) {
  int value = 0;
  if (!ParseInteger(firstDayOfWeek, value)) return WeekStart::Sunday;
  const auto start = static_cast<WeekStart>(((value + 1) % 7) + 1);
  return IsWeekStart(start) ? start : WeekStart::Monday;
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

StoreFile::StoreFile(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

std::unique_ptr<OrganiserStore> StoreFile::Load(StorePlatform& platform) {
  auto store = std::make_unique<OrganiserStore>();
  local_ = platform.NetworkForm(path_).rfind("\\\\", 0) != 0;
  const LocalDateTime now = platform.Now();
  const int32_t today = DayNumberFromDate(now.Year, now.Month, now.Day);

  // The whole file is read at once, header and sections; the settling below
  // writes only the header bytes on disk, which the sections in memory do
  // not overlap.
  SharedBytes bytes;
  std::optional<FileStamp> readStamp;
  bool opened = false;
  try {
    bytes = ReadWholeFileShared(*fs_.Open(path_, OpenMode::ExistingReadWrite), readStamp);
    opened = true;
  } catch (const IoError&) {
  }
  std::string_view head = bytes.view();
  loaded_ = bytes;
  std::string created;
  if (!opened && local_) {
    // Creation is only ever for a file that is not there: CreateNew never
    // truncates a file that merely could not be opened.
    created = NewFileImage(static_cast<uint16_t>(today), CreationStampOf(now));
    try {
      WriteAll(*fs_.Open(path_, OpenMode::CreateNew), created);
    } catch (const IoError& e) {
      throw StartupFailure(e.what());
    }
    head = created;
    ContentHash digest;
    digest.Update(head.substr(kSectionsOffset));
    sectionsDigest_ = digest.Digest();
  }
  head_ = std::string(head.substr(0, kSectionsOffset));

  FileHeader& header = store->Header;
  header = DecodeHeader(head);
  // Header writes while settling are best effort: a failure is ignored, and
  // the program writes the header again once it is up.
  bool headerWritten = false;
  const auto saveHeader = [this, &store, &headerWritten] {
    headerWritten = true;
    SaveHeader(*store);
  };
  if (!IsLanguage(header.LanguageId)) {
    header.LanguageId = LanguageFromLangId(platform.UserDefaultLanguage());
    saveHeader();
  }
  if (header.LanguageId == Language::Danish) store->LongDatePrefix = "dddd, ";
  if (!IsWeekStart(header.WeekStartDay)) {
    header.WeekStartDay = WeekStartFromLocale(platform.LocaleFirstDayOfWeek());
    saveHeader();
  }
  if (header.FirstWeekRule < 1 || header.FirstWeekRule > 3) {
    header.FirstWeekRule = FirstWeekRuleFromLocale(platform.LocaleFirstWeekOfYear());
    saveHeader();
  }

  // A file just created, or one that could not be opened, has no records.
  if (bytes.size > kSectionsOffset) store->DecodeSections(bytes, kSectionsOffset);
  // The stamp of the bytes read, unless the file changed since (a header
  // written while settling, a file created); then the file as it is now.
  stamp_ = readStamp && !headerWritten ? readStamp : fs_.StampOf(path_);
  return store;
}

void StoreFile::KeepDailyBackups(std::string folder, std::function<CalendarDate()> today) {
  backup_ = std::make_unique<DailyBackup>(fs_, path_, std::move(folder), std::move(today));
}

void StoreFile::CopyToBackups(const std::string& name) {
  if (backup_) backup_->CopyAs(name);
}

bool StoreFile::ChangedOnDisk() {
  if (!stamp_) return false;
  const std::optional<FileStamp> now = fs_.StampOf(path_);
  if (now == stamp_) return false;
  if (!now || !HoldsTheLastImage()) return true;
  stamp_ = now;  // touched, or written again with the same bytes (a second organiser)
  return false;
}

// Read only when the stamp differs, which is rare.
bool StoreFile::HoldsTheLastImage() {
  std::string disk;
  try {
    disk = ReadWholeFile(*fs_.Open(path_, OpenMode::ExistingRead));
  } catch (const IoError&) {
    return false;
  }
  const std::string_view bytes(disk);
  if (bytes.substr(0, kSectionsOffset) != head_) return false;
  const std::string_view sections = bytes.substr(std::min(bytes.size(), kSectionsOffset));
  if (sectionsDigest_) {
    ContentHash digest;
    digest.Update(sections);
    return digest.Digest() == *sectionsDigest_;
  }
  const std::string_view loaded = loaded_.view();
  return sections == loaded.substr(std::min(loaded.size(), kSectionsOffset));
}

SaveResult StoreFile::SaveHeader(OrganiserStore& store, Overwrite overwrite) {
  if (!local_) return {};
  // The working settings are masked in place, as they are written.
  store.MaskSettings();
  if (overwrite == Overwrite::IfUnchanged && ChangedOnDisk()) {
    return Outcome(SaveOutcome::ChangedElsewhere);
  }
  try {
    WriteHeaderInPlace(fs_, path_, store.Header);
  } catch (const IoError& e) {
    return Failed(e);
  }
  const auto header = EncodeHeader(store.Header);
  head_.resize(std::max(head_.size(), kHeaderSize));
  head_.replace(0, kHeaderSize, header.data(), kHeaderSize);
  stamp_ = fs_.StampOf(path_);
  return Outcome(SaveOutcome::Written);
}

SaveResult StoreFile::SaveSections(OrganiserStore& store, Overwrite overwrite) {
  if (!store.DataModified) return {};
  if (overwrite == Overwrite::IfUnchanged && ChangedOnDisk()) {
    return Outcome(SaveOutcome::ChangedElsewhere);
  }
  SaveResult result;
  if (backup_) {
    try {
      backup_->BeforeSave();
    } catch (const IoError& e) {
      result.BackupFailure = e;
    }
  }
  ContentHash digest;
  std::string head;  // as it was on disk, which may be another program's
  try {
    head = ReplaceSections(fs_, path_, [&store, &digest](BufferedFileWriter& out) {
      digest = {};  // a rewrite in place after a refused swap starts again
      out.Watch(digest);
      store.WriteSections(out);
    });
  } catch (const IoError& e) {
    result.Outcome = SaveOutcome::Failed;
    result.Failure = e;
    return result;
  }
  store.DataModified = false;
  sectionsDigest_ = digest.Digest();
  loaded_ = {};
  head_ = std::move(head);
  stamp_ = fs_.StampOf(path_);
  result.Outcome = SaveOutcome::Written;
  return result;
}

void WriteHeaderInPlace(FileSystem& fs, const std::string& path, const FileHeader& header) {
  auto file = fs.Open(path, OpenMode::ExistingReadWrite);
  const auto bytes = EncodeHeader(header);
  file->Write(bytes.data(), bytes.size());
}

std::string ReplaceSections(FileSystem& fs, const std::string& path,
                            const SectionsWriter& sections) {
  // The first 22 bytes are kept as they are on disk; a shorter file gets
  // zeros up to the sections.
  std::string head;
  ReadUpTo(*fs.Open(path, OpenMode::ExistingRead), kSectionsOffset, head);
  head.resize(kSectionsOffset, '\0');

  const std::string temp = WriteFileBeside(fs, path, [&](BufferedFileWriter& out) {
    out.Append(head);
    sections(out);
  });

  for (int attempt = 1;; ++attempt) {
    try {
      fs.Replace(path, temp);
      return head;
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
  return head;
}

}  // namespace tovik
