#pragma once
#include <windows.h>

#include <string>

namespace tovik {

// The calendar server as the dialog sets it up.
struct CalendarServerSettings {
  std::wstring Url;
  std::wstring User;
  std::wstring Password;
  bool Publish = false;
  friend bool operator==(const CalendarServerSettings&, const CalendarServerSettings&) = default;
};

// The address, the user name and the switch from the organiser's registry
// key, the password from the Credential Manager.
CalendarServerSettings ReadCalendarServerSettings();
// Writes them where they are kept; an empty password removes the stored
// one. False when the password could not be stored.
bool WriteCalendarServerSettings(const CalendarServerSettings& settings);

}  // namespace tovik
