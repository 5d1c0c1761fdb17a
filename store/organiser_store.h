#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  Stored,         // memory changed; the sections need saving
  Unchanged,      // nothing to store
  DayOutOfRange,  // the shown day has no DayNumber (after 4 June 2079)
  TextTooLong,    // a text of kMaxStoredTextBytes or more
  TableFull,      // every one of the 65535 appointment slots holds text
};

// A day the calendar page shows, and the appointment slot that holds its
// text (1-based; 0 while it has none). The page keeps it; the store fills in
// the slot, which stays with the day when its text is cleared, so that text
// typed again for the same day goes back into the same slot.
struct ShownDay {
  int32_t Day = 0;
  uint16_t Slot = 0;
};

// The organiser's in-memory copy of Tovik.dat: the settings of its header,
// the day notes, the events and the note pages, and the rules by which the
// pages change them. It does no input or output: StoreFile loads and saves it.
class OrganiserStore {
 public:
  FileHeader Header;  // the settings, as the header stores them
  // Put in front of the system's long date format for the whole run when the
  // language was Danish at load.
  std::string LongDatePrefix;

  std::vector<AppointmentEntry> AppointmentSlots;  // size is AppointmentCount
  std::vector<PeriodicEvent> EventSlots;           // size is EventCount, at most 300
  std::array<NotePage, kNotePages> NotePages;
  // Set by every change of the sections; cleared when they are saved.
  bool DataModified = false;

  size_t AppointmentCount() const { return AppointmentSlots.size(); }
  size_t EventCount() const { return EventSlots.size(); }

  uint16_t FindDaySlot(uint16_t day) const;
  // The day with the slot of its text; a day after 4 June 2079 has none.
  ShownDay ShowDay(int32_t day) const;
  StoreResult StoreDayText(ShownDay& shown, std::string_view text);
  StoreResult ReplaceEvents(const std::vector<EventItem>& items);
  StoreResult StoreNotePage(int page, std::string_view text);

  // Masks the settings to the bits the header holds, as they are written.
  void MaskSettings();
  // Everything from offset 22 to the end of the file, as a save writes it.
  void WriteSections(BufferedFileWriter& out) const;
  // Fills the tables from the three sections, which begin at `offset` of
  // the loaded bytes (22 for a whole file). The store keeps the bytes, and
  // its loaded texts view into them.
  void DecodeSections(const SharedBytes& bytes, size_t offset);

 private:
  SharedBytes loaded_;
};

}  // namespace tovik
