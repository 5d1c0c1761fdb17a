#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "reminder/due_list.h"
#include "store/data_file.h"

namespace tovik {

// What the reminder shows, picked from the data file once at start. Texts are
// the stored bytes (ANSI code page) without their closing NUL.
struct DueAppointment {
  int32_t Day = 0;
  std::string Text;
  friend bool operator==(const DueAppointment&, const DueAppointment&) = default;
};
struct DueEvent {
  int32_t Date = 0;  // the computed date of this occurrence
  std::string Text;
  friend bool operator==(const DueEvent&, const DueEvent&) = default;
};

struct ReminderData {
  Language LanguageId = Language::English;
  int32_t BackgroundColor = 0;
  int32_t FontColor = 0;
  std::vector<DueAppointment> Appointments;
  std::vector<DueEvent> Events;
  std::vector<DueEntry> DueList;  // in file order; sorted when the texts are built
  std::string NotesExtract;
  // Where and why the reading stopped early; empty when the whole file was read.
  std::string Damage;

  friend bool operator==(const ReminderData&, const ReminderData&) = default;
  bool NothingToShow() const {
    return Appointments.empty() && Events.empty() && NotesExtract.empty();
  }
};

// The days the reminder looks at: today to today + lookAheadDays + 1.
struct DueWindow {
  int32_t Today = 0;
  int LookAheadDays = 7;
  bool Contains(int32_t date) const { return date >= Today && date <= Today + LookAheadDays + 1; }
};

// Reads every record of a data file image and keeps what is due in `window`.
// A file cut short keeps what was read before the cut and says so in Damage.
ReminderData SelectDue(std::string_view fileBytes, const DueWindow& window);

// Opens the data file read-only and selects from it; nothing when the file
// cannot be opened. A failing read keeps what came before it and is reported
// in Damage.
std::optional<ReminderData> ReadAndSelect(FileSystem& fs, const std::string& dataFilePath,
                                          const DueWindow& window);

}  // namespace tovik
