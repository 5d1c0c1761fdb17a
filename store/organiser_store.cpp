#include "store/organiser_store.h"

#include <algorithm>

#include "base/day_number.h"

namespace tovik {

namespace {
// A text with no character above the space (CR and LF included) is blank.
bool IsBlank(std::string_view text) {
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return static_cast<unsigned char>(c) > 32; });
}

bool TooLong(std::string_view text) {
  return !FitsInStore(text);
}

std::string WithNul(std::string_view text) {
  std::string stored(text);
  stored.push_back('\0');
  return stored;
}

// Fills the store's tables with views of the records the walker hands over;
// the store keeps the bytes they view.
class StoreLoader {
 public:
  explicit StoreLoader(OrganiserStore& store) : store_(store) {}

  // The tables are allocated whole before they are filled, so that no
  // loaded view is ever moved (a moved text takes its bytes along).
  void AppointmentCount(uint16_t count) {
    store_.AppointmentSlots.reserve(count);
    store_.EventSlots.reserve(kEventSlots);
  }
  void Appointment(uint16_t day, std::string_view stored) {
    AppointmentEntry& entry = store_.AppointmentSlots.emplace_back();
    entry.Day = day;
    entry.Text.ViewLoaded(stored);
  }
  void Event(uint8_t month, uint8_t day, std::string_view stored) {
    if (store_.EventSlots.size() == kEventSlots) return;
    PeriodicEvent& event = store_.EventSlots.emplace_back();
    event.Month = month;
    event.Day = day;
    event.Text.ViewLoaded(stored);
  }
  // Every note page with text is kept, whatever it begins with: a to-do list
  // that starts with an empty line is still there at the next start.
  void Note(unsigned k, std::string_view stored) {
    if (k < kNotePages && !stored.empty()) store_.NotePages[k].Text.ViewLoaded(stored);
  }

 private:
  OrganiserStore& store_;
};
}  // namespace

uint16_t OrganiserStore::FindDaySlot(uint16_t day) const {
  for (size_t i = 0; i < AppointmentSlots.size(); ++i) {
    if (AppointmentSlots[i].Day == day) return static_cast<uint16_t>(i + 1);
  }
  return 0;
}

ShownDay OrganiserStore::ShowDay(int32_t day) const {
  return {day, FitsDayNumber(day) ? FindDaySlot(static_cast<uint16_t>(day)) : uint16_t{0}};
}

StoreResult OrganiserStore::StoreDayText(ShownDay& shown, std::string_view text) {
  if (!FitsDayNumber(shown.Day)) return StoreResult::DayOutOfRange;
  if (TooLong(text)) return StoreResult::TextTooLong;
  if (IsBlank(text)) {
    if (shown.Slot == 0) return StoreResult::Unchanged;
    // The slot is freed but the shown day keeps it, so text typed again for
    // the same day goes back into it.
    AppointmentSlots[shown.Slot - 1] = AppointmentEntry{};
    DataModified = true;
    return StoreResult::Stored;
  }
  uint16_t slot = shown.Slot;
  if (slot == 0) {
    const auto freeSlot = std::find_if(AppointmentSlots.begin(), AppointmentSlots.end(),
                                       [](const AppointmentEntry& e) { return e.Day == 0; });
    if (freeSlot != AppointmentSlots.end()) {
      slot = static_cast<uint16_t>(freeSlot - AppointmentSlots.begin() + 1);
    } else if (AppointmentSlots.size() < kMaxAppointmentSlots) {
      AppointmentSlots.emplace_back();
      slot = static_cast<uint16_t>(AppointmentSlots.size());
    } else {
      return StoreResult::TableFull;
    }
  }
  shown.Slot = slot;
  AppointmentEntry& entry = AppointmentSlots[slot - 1];
  entry.Day = static_cast<uint16_t>(shown.Day);
  entry.Text = WithNul(text);
  DataModified = true;
  return StoreResult::Stored;
}

// A text too long to store is refused alone: the other rows are stored.
StoreResult OrganiserStore::ReplaceEvents(const std::vector<EventItem>& items) {
  bool refused = false;
  EventSlots.clear();
  for (const EventItem& item : items) {
    if (EventSlots.size() == kEventSlots) break;
    if (item.Month <= 0 || item.Day <= 0 || item.Text.empty()) continue;
    if (TooLong(item.Text)) {
      refused = true;
      continue;
    }
    EventSlots.push_back(
        {static_cast<uint8_t>(item.Month), static_cast<uint8_t>(item.Day), WithNul(item.Text)});
  }
  DataModified = true;
  return refused ? StoreResult::TextTooLong : StoreResult::Stored;
}

StoreResult OrganiserStore::StoreNotePage(int page, std::string_view text) {
  if (page < 1 || page > static_cast<int>(kNotePages)) return StoreResult::Unchanged;
  if (TooLong(text)) return StoreResult::TextTooLong;
  NotePages[page - 1].Text = text.empty() ? std::string() : WithNul(text);
  DataModified = true;
  return StoreResult::Stored;
}

void OrganiserStore::MaskSettings() {
  Header.LanguageId = static_cast<Language>(static_cast<uint16_t>(Header.LanguageId) & 0x0F);
  Header.WeekStartDay = static_cast<WeekStart>(static_cast<int32_t>(Header.WeekStartDay) & 0x03);
  Header.FirstWeekRule &= 0x03;
  Header.PreservedBits &= 0x1F;
}

// Free slots, and events without a month, a day or a text, are not written;
// each count goes before its records.
void OrganiserStore::WriteSections(BufferedFileWriter& out) const {
  const auto written = [](const AppointmentEntry& a) { return a.Length() > 0; };
  out.AppendU16(static_cast<uint16_t>(
      std::count_if(AppointmentSlots.begin(), AppointmentSlots.end(), written)));
  for (const auto& a : AppointmentSlots) {
    if (!written(a)) continue;
    out.AppendU16(a.Day);
    out.AppendI32(a.Length());
    out.Append(a.Text);
  }

  const auto writtenEvent = [](const PeriodicEvent& e) {
    return e.Month != 0 && e.Day != 0 && e.Length() > 0;
  };
  out.AppendU16(
      static_cast<uint16_t>(std::count_if(EventSlots.begin(), EventSlots.end(), writtenEvent)));
  for (const auto& e : EventSlots) {
    if (!writtenEvent(e)) continue;
    const char monthAndDay[] = {static_cast<char>(e.Month), static_cast<char>(e.Day)};
    out.Append({monthAndDay, 2});
    out.AppendI32(e.Length());
    out.Append(e.Text);
  }

  out.AppendU16(static_cast<uint16_t>(kNotePages));
  for (const auto& n : NotePages) {
    out.AppendI32(n.Length());
    out.Append(n.Text);
  }
}

void OrganiserStore::DecodeSections(const SharedBytes& bytes, size_t offset) {
  AppointmentSlots.clear();
  EventSlots.clear();
  NotePages = {};
  loaded_ = bytes;
  // Reading stops where the data ends, even inside a record.
  RecordReader in(loaded_.view(), offset);
  StoreLoader loader(*this);
  WalkSections(in, loader);
}

}  // namespace tovik
