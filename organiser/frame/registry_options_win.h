#pragma once
#include <windows.h>

#include <string>

#include "app/registry_names.h"

namespace tovik {

// The three ticks of the Options menu, as the window is designed: the
// reminder at log-on ticked, the other two not.
struct RegistryOptions {
  bool RunCheckTovikOnStartup = true;
  bool AlwaysMinimizeToSystray = false;
  bool ExtendLookAheadDays = false;
};

// Reads the three options; `designed` holds the ticks as they stand, which a
// failed read leaves as they are (the reminder's tick) or turns off (the two
// integers).
RegistryOptions ReadRegistryOptions(const RegistryOptions& designed);

// Writes all three options. The Run value holds `reminderPath` when ticked
// and is deleted otherwise; a failure to write it throws, failures of the two
// integers are ignored.
void WriteRegistryOptions(const RegistryOptions& options, const std::wstring& reminderPath);

}  // namespace tovik
