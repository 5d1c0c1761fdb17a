#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "store/data_file.h"
#include "store/section_reader.h"
#include "store/stored_text.h"

namespace tovik {

// Texts hold the record's bytes exactly as stored: the text, then its closing
// NUL, which the stored Length counts. A text of 65535 bytes or more would be
// misread by the length rule, so the store never takes one.
constexpr size_t kMaxStoredTextBytes = 65534;
// A text (without its NUL) the store takes.
constexpr bool FitsInStore(std::string_view text) {
  return text.size() + 1 <= kMaxStoredTextBytes;
}

struct AppointmentEntry {
  uint16_t Day = 0;  // 0 with an empty text: a free slot
  StoredText Text;
  int32_t Length() const { return static_cast<int32_t>(Text.size()); }
};

struct PeriodicEvent {
  uint8_t Month = 0;  // 1-12 yearly, 13 every month, 14 every week
  uint8_t Day = 0;    // day of month, or weekday 1 = Sunday for Month 14
  StoredText Text;
  int32_t Length() const { return static_cast<int32_t>(Text.size()); }
};

struct NotePage {
  StoredText Text;  // empty: an empty page (Length 0)
  int32_t Length() const { return static_cast<int32_t>(Text.size()); }
};

// One row of the events grid handed to ReplaceEvents.
struct EventItem {
  int Month = 0;
  int Day = 0;
  std::string Text;  // without the closing NUL
};

enum class StoreResult {
  Stored,         // memory changed; the sections were saved
  Unchanged,      // nothing to store
  DayOutOfRange,  // the shown day has no DayNumber (after 4 June 2079)
  TextTooLong,    // a text of kMaxStoredTextBytes or more
  TableFull,      // every one of the 65535 appointment slots holds text
};

// The organiser's in-memory copy of Tovik.dat. The pages change entries only
// through FindDaySlot, StoreDayText, ReplaceEvents and StoreNotePage; each
// that changes something saves the sections at once.
class OrganiserStore {
 public:
  OrganiserStore(FileSystem& fs, std::string dataFilePath);

  // Settings (assign, then SaveHeader).
  Language LanguageId = {};
  WeekStart WeekStartDay = {};
  int32_t FirstWeekRule = 0;
  uint16_t PreservedBits = 0;
  uint16_t CreatedDay = 0;
  uint16_t CreationStamp = 0;
  uint16_t Reserved6 = 0;
  uint16_t Reserved8 = 0;
  int32_t BackgroundColor = 0;
  int32_t FontColor = 0;
  // Put in front of the system's long date format for the whole run when the
  // language was Danish at load.
  std::string LongDatePrefix;

  int32_t SelectedDay = 0;
  std::vector<AppointmentEntry> AppointmentSlots;  // size is AppointmentCount
  uint16_t CurrentSlot = 0;                        // 1-based; 0 = none
  std::vector<PeriodicEvent> EventSlots;           // size is EventCount, at most 300
  std::array<NotePage, kNotePages> NotePages;
  uint16_t CurrentNotePage = 1;
  bool DataModified = false;
  bool LocalDataFile = true;

  size_t AppointmentCount() const { return AppointmentSlots.size(); }
  size_t EventCount() const { return EventSlots.size(); }
  const std::string& DataFilePath() const { return path_; }

  uint16_t FindDaySlot(uint16_t day) const;
  StoreResult StoreDayText(std::string_view text);
  StoreResult ReplaceEvents(const std::vector<EventItem>& items);
  StoreResult StoreNotePage(int page, std::string_view text);

  void SaveHeader();
  void SaveSections();
  // Runs before SaveSections rewrites the file (the daily backup).
  std::function<void()> BeforeSaveSections;
  // Asked before a write when the file on disk is no longer the one this
  // store last loaded or saved (another program changed it): true writes
  // over it, false leaves it as it is.
  std::function<bool()> ConfirmOverwrite;
  // Takes the file as it is on disk now as this store's own.
  void RememberFileStamp();
  // Takes `stamp`, asked of the file that was just read, as this store's own.
  void RememberFileStamp(const FileStamp& stamp) { stamp_ = stamp; }
  void CloseStore();

  FileHeader Header() const;  // the header as SaveHeader writes it
  // Everything from offset 22 to the end of the file, as SaveSections writes it.
  void WriteSections(BufferedFileWriter& out) const;
  // Fills the tables from the three sections, which begin at `offset` of
  // the loaded bytes (22 for a whole file). The store keeps the bytes, and
  // its loaded texts view into them.
  void DecodeSections(const SharedBytes& bytes, size_t offset);

 private:
  bool MayWrite();

  FileSystem* fs_;
  std::optional<FileStamp> stamp_;
  std::string path_;
  SharedBytes loaded_;
};

}  // namespace tovik
