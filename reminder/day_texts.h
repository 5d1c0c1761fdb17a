#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "calendar/date_format.h"
#include "reminder/due_selection.h"

namespace tovik {

// The texts of the three day boxes, UTF-8.
struct DayTexts {
  std::string Today;
  std::string Tomorrow;
  std::string Following;  // each date under a dash line and its "dddd ddddd" date line
  friend bool operator==(const DayTexts&, const DayTexts&) = default;
};

// Turns a stored text (ANSI code page bytes) into UTF-8.
using StoredTextDecoder = std::function<std::string(std::string_view)>;

constexpr size_t kMaxEventLine = 255;  // "* " and the event's text together

// Sorts a copy of the due list and builds the three texts from it.
DayTexts BuildDayTexts(const ReminderData& data, int32_t today, DateFormatter& dates,
                       const StoredTextDecoder& decode);

}  // namespace tovik
