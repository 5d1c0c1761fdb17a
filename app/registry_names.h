#pragma once

namespace tovik {

// Where the organiser keeps its three options in the current user's
// registry; the reminder reads the look-ahead from the same place, and
// Windows reads the Run value at log-on.
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValue[] = L"Brakvel-CheckTovik";
inline constexpr wchar_t kOptionsKey[] = L"Software\\Brakvel\\Tovik";
inline constexpr wchar_t kMinToTrayValue[] = L"MinToTray";
inline constexpr wchar_t kExtendedLookAheadValue[] = L"ExtendedLookAhead";
// The calendar server the organiser publishes to; its password is kept by
// the Credential Manager under kCalendarCredential, never here.
inline constexpr wchar_t kCalendarUrlValue[] = L"CalendarUrl";
inline constexpr wchar_t kCalendarUserValue[] = L"CalendarUser";
inline constexpr wchar_t kCalendarPublishValue[] = L"PublishCalendar";
inline constexpr wchar_t kCalendarCredential[] = L"Tovik/CalendarServer";

}  // namespace tovik
