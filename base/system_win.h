#pragma once
#include <string>

#include "base/day_number.h"
#include "base/local_date_time.h"

namespace tovik {

// The system's text for an error code, without the line break it ends with;
// empty when the system has no text for it. A loaded module's own texts,
// when named, come before the system's.
std::string SystemErrorText(unsigned long code, const wchar_t* module = nullptr);

// The full path of the running executable, as UTF-8.
std::string ExecutablePath();

// Now and today on the user's clock.
LocalDateTime LocalNow();
CalendarDate LocalToday();

}  // namespace tovik
