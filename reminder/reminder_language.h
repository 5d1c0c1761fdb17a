#pragma once
#include <cstdint>
#include <string>

#include "calendar/date_format.h"
#include "store/data_file.h"

namespace tovik {

// The captions of the reminder's labels and button, UTF-8.
struct ReminderCaptions {
  std::string
      AppointmentsAndEvents;  // lblAppointmentsAndEvents: today's date in the language's pattern
  std::string Tomorrow;       // lblTomorrow
  std::string WeekAfter;      // lblWeekAfter
  std::string TodosAndNotes;  // lblTodosAndNotes
  std::string Exit;           // btnExit, "&" marks the access key
  friend bool operator==(const ReminderCaptions&, const ReminderCaptions&) = default;
};

// English first, then the file's language over it (1 to 8; others read as
// English), with weekday names and date formats from the user's locale.
ReminderCaptions ApplyReminderLanguage(Language language, int lookAheadDays, int32_t today,
                                       DateFormatter& dates);

}  // namespace tovik
