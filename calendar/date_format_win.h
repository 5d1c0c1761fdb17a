#pragma once
#include "calendar/date_format.h"

namespace tovik {

// The user's regional settings: GetLocaleInfoW and GetDateFormatW.
class WinDateFormatter : public DateFormatter {
 public:
  LocaleDateFormats Formats() override;
  std::string Format(const CalendarDate& date, std::string_view picture) override;
};

}  // namespace tovik
