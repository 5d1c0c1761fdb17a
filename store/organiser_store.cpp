#include "store/organiser_store.h"

#include <algorithm>

#include "base/day_number.h"
#include "store/store_file.h"

namespace tovik {

namespace {
// A text with no character above the space (CR and LF included) is blank.
bool IsBlank(std::string_view text) {
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return static_cast<unsigned char>(c) > 32; });
}

bool TooLong(std::string_view text) {
  return text.size() + 1 > kMaxStoredTextBytes;
}

std::string WithNul(std::string_view text) {
  std::string stored(text);
  stored.push_back('\0');
  return stored;
}

// Texts beginning with a control character, a space or "!" are not taken
// from the file as events or notes.
bool StartsAboveBang(std::string_view text) {
  return !text.empty() && static_cast<unsigned char>(text[0]) > 33;
}
}  // namespace

std::string_view TextOf(std::string_view stored) {
  return stored.substr(0, stored.find('\0'));
}

OrganiserStore::OrganiserStore(FileSystem& fs, std::string dataFilePath)
    : fs_(&fs), path_(std::move(dataFilePath)) {}

uint16_t OrganiserStore::FindDaySlot(uint16_t day) const {
  for (size_t i = 0; i < AppointmentSlots.size(); ++i) {
    if (AppointmentSlots[i].Day == day) return static_cast<uint16_t>(i + 1);
  }
  return 0;
}

StoreResult OrganiserStore::StoreDayText(std::string_view text) {
  StoreResult result = StoreResult::Unchanged;
  if (!FitsDayNumber(SelectedDay)) {
    result = StoreResult::DayOutOfRange;
  } else if (TooLong(text)) {
    result = StoreResult::TextTooLong;
  } else if (!IsBlank(text)) {
    uint16_t slot = CurrentSlot;
    if (slot == 0) {
      const auto freeSlot = std::find_if(AppointmentSlots.begin(), AppointmentSlots.end(),
                                         [](const AppointmentEntry& e) { return e.Day == 0; });
      if (freeSlot != AppointmentSlots.end()) {
        slot = static_cast<uint16_t>(freeSlot - AppointmentSlots.begin() + 1);
      } else if (AppointmentSlots.size() < kMaxAppointmentSlots) {
        AppointmentSlots.emplace_back();
        slot = static_cast<uint16_t>(AppointmentSlots.size());
      }
    }
    if (slot == 0) {
      result = StoreResult::TableFull;
    } else {
      CurrentSlot = slot;
      AppointmentEntry& entry = AppointmentSlots[slot - 1];
      entry.Day = static_cast<uint16_t>(SelectedDay);
      entry.Text = WithNul(text);
      DataModified = true;
      result = StoreResult::Stored;
    }
  } else if (CurrentSlot != 0) {
    // The slot is freed but CurrentSlot keeps it, so text typed again for the
    // same day goes back into it.
    AppointmentSlots[CurrentSlot - 1] = AppointmentEntry{};
    DataModified = true;
    result = StoreResult::Stored;
  }
  SaveSections();
  return result;
}

StoreResult OrganiserStore::ReplaceEvents(const std::vector<EventItem>& items) {
  if (std::any_of(items.begin(), items.end(),
                  [](const EventItem& item) { return TooLong(item.Text); })) {
    SaveSections();
    return StoreResult::TextTooLong;
  }
  EventSlots.clear();
  for (const EventItem& item : items) {
    if (EventSlots.size() == kEventSlots) break;
    if (item.Month <= 0 || item.Day <= 0 || item.Text.empty()) continue;
    EventSlots.push_back(
        {static_cast<uint8_t>(item.Month), static_cast<uint8_t>(item.Day), WithNul(item.Text)});
  }
  DataModified = true;
  SaveSections();
  return StoreResult::Stored;
}

StoreResult OrganiserStore::StoreNotePage(int page, std::string_view text) {
  if (page < 1 || page > static_cast<int>(kNotePages)) return StoreResult::Unchanged;
  if (TooLong(text)) {
    SaveSections();
    return StoreResult::TextTooLong;
  }
  NotePages[page - 1].Text = text.empty() ? std::string() : WithNul(text);
  DataModified = true;
  SaveSections();
  return StoreResult::Stored;
}

FileHeader OrganiserStore::Header() const {
  FileHeader h;
  h.SettingsWord = ComposeSettingsWord({LanguageId, WeekStartDay, FirstWeekRule, PreservedBits});
  h.CreatedDay = CreatedDay;
  h.CreationStamp = CreationStamp;
  h.Reserved6 = Reserved6;
  h.Reserved8 = Reserved8;
  h.BackgroundColor = BackgroundColor;
  h.FontColor = FontColor;
  return h;
}

void OrganiserStore::SaveHeader() {
  if (!LocalDataFile) return;
  // The working settings are masked in place, as they are written.
  LanguageId &= 0x0F;
  WeekStartDay &= 0x03;
  FirstWeekRule &= 0x03;
  PreservedBits &= 0x1F;
  WriteHeaderInPlace(*fs_, path_, Header());
}

void OrganiserStore::SaveSections() {
  if (!DataModified) return;
  ReplaceSections(*fs_, path_, EncodeSections());
  DataModified = false;
}

void OrganiserStore::CloseStore() {
  SaveSections();
  AppointmentSlots.clear();
  AppointmentSlots.shrink_to_fit();
  EventSlots.clear();
  EventSlots.shrink_to_fit();
  NotePages = {};
  loaded_ = {};
  CurrentSlot = 0;
}

std::string OrganiserStore::EncodeSections() const {
  size_t size = 6;
  for (const auto& a : AppointmentSlots) size += 6 + a.Text.size();
  for (const auto& e : EventSlots) size += 6 + e.Text.size();
  for (const auto& n : NotePages) size += 4 + n.Text.size();
  std::string out;
  out.reserve(size);

  AppendU16(out, 0);  // appointment count, filled in below
  uint16_t written = 0;
  for (const auto& a : AppointmentSlots) {
    if (a.Length() <= 0) continue;
    AppendU16(out, a.Day);
    AppendI32(out, a.Length());
    out += a.Text.bytes();
    ++written;
  }
  out[0] = static_cast<char>(written & 0xFF);
  out[1] = static_cast<char>(written >> 8);

  const size_t eventCountAt = out.size();
  AppendU16(out, 0);
  written = 0;
  for (const auto& e : EventSlots) {
    if (e.Month == 0 || e.Day == 0 || e.Length() <= 0) continue;
    out.push_back(static_cast<char>(e.Month));
    out.push_back(static_cast<char>(e.Day));
    AppendI32(out, e.Length());
    out += e.Text.bytes();
    ++written;
  }
  out[eventCountAt] = static_cast<char>(written & 0xFF);
  out[eventCountAt + 1] = static_cast<char>(written >> 8);

  AppendU16(out, static_cast<uint16_t>(kNotePages));
  for (const auto& n : NotePages) {
    AppendI32(out, n.Length());
    out += n.Text.bytes();
  }
  return out;
}

void OrganiserStore::DecodeSections(SharedBytes sections) {
  AppointmentSlots.clear();
  EventSlots.clear();
  NotePages = {};
  loaded_ = std::move(sections);
  RecordReader in(loaded_.view(), 0);

  // Reading stops where the file ends, even inside a record.
  const auto appointments = in.U16();
  if (!appointments) return;
  AppointmentSlots.reserve(*appointments);
  for (unsigned i = 0; i < *appointments; ++i) {
    const auto day = in.U16();
    const auto length = in.I32();
    if (!day || !length) return;
    const auto text = in.Text(ApplyLengthRule(*length));
    if (!text) return;
    if (text->empty()) continue;
    AppointmentSlots.push_back({*day, StoredText::Loaded(*text)});
  }

  const auto events = in.U16();
  if (!events) return;
  for (unsigned i = 0; i < *events; ++i) {
    const auto month = in.U8();
    const auto day = in.U8();
    const auto length = in.I32();
    if (!month || !day || !length) return;
    const auto text = in.Text(ApplyLengthRule(*length));
    if (!text) return;
    if (*month == 0 || *day == 0 || !StartsAboveBang(*text)) continue;
    if (EventSlots.size() < kEventSlots)
      EventSlots.push_back({*month, *day, StoredText::Loaded(*text)});
  }

  const auto notes = in.U16();
  if (!notes) return;
  for (unsigned k = 0; k < *notes; ++k) {
    const auto length = in.I32();
    if (!length) return;
    const auto text = in.Text(ApplyLengthRule(*length));
    if (!text) return;
    if (k < kNotePages && StartsAboveBang(*text)) NotePages[k].Text = StoredText::Loaded(*text);
  }
}

}  // namespace tovik
