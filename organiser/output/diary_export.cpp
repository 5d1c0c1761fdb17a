#include "organiser/output/diary_export.h"

#include <algorithm>
#include <array>

namespace tovik {

std::string_view DiaryFileName(Language language) {
  static constexpr std::array<std::string_view, kLanguageCount> kNames{
      "Dagbog.txt",
      "Diary.txt",
      "Tagebuch.txt",
      "Agenda.txt",
      "Diario.txt",
      "Dagboek.txt",
      "\xD0\x95\xD0\xB6\xD0\xB5\xD0\xB4\xD0\xBD\xD0\xB5\xD0\xB2\xD0\xBD\xD0\xBE.txt",
      "Diary.txt"};
  return kNames[static_cast<size_t>(ShownLanguage(language)) - 1];
}

// Day after day, the first slot in slot order with the smallest day above
// the last one taken, starting above day 1. A stable sort gives the same
// order without a walk over every slot for every day, which a table grown to
// 65535 slots could not afford.
std::vector<const AppointmentEntry*> DiaryDays(const std::vector<AppointmentEntry>& slots) {
  std::vector<const AppointmentEntry*> order;
  order.reserve(slots.size());
  for (const AppointmentEntry& slot : slots) {
    if (slot.Day > 1) order.push_back(&slot);
  }
  std::stable_sort(
      order.begin(), order.end(),
      [](const AppointmentEntry* a, const AppointmentEntry* b) { return a->Day < b->Day; });
  std::vector<const AppointmentEntry*> days;
  uint16_t last = 1;
  for (const AppointmentEntry* slot : order) {
    if (slot->Day == last) continue;
    last = slot->Day;
    if (slot->Length() > 0) days.push_back(slot);
  }
  return days;
}

void WriteDiaryText(BufferedFileWriter& out, const std::vector<AppointmentEntry>& slots,
                    const DiaryDateText& dateText) {
  for (const AppointmentEntry* slot : DiaryDays(slots)) {
    out.Append(dateText(slot->Day));
    out.Append("\r\n");
    out.Append(TextOf(slot->Text));
    out.Append("\r\n\r\n");
  }
}

void ExportDiary(FileSystem& fs, const std::string& path,
                 const std::vector<AppointmentEntry>& slots, const DiaryDateText& dateText) {
  ReplaceFileContent(fs, path,
                     [&](BufferedFileWriter& out) { WriteDiaryText(out, slots, dateText); });
}

}  // namespace tovik
