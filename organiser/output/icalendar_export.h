#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "calendar/event_date.h"
#include "store/organiser_store.h"

namespace tovik {

// The calendar file's name in every language.
constexpr std::string_view kICalendarFileName = "Tovik.ics";

// A stored text (its bytes without the closing NUL) as UTF-8.
using StoredTextToUtf8 = std::function<std::string(std::string_view stored)>;

struct ICalendarSource {
  const std::vector<AppointmentEntry>& Slots;
  const std::vector<PeriodicEvent>& Events;
  int32_t Today = 0;  // a day number: the events start on their next date from it
  std::string Stamp;  // the moment of the export in UTC, "20261209T101500Z"
  StoredTextToUtf8 ToUtf8;
};

// One repeating all-day event of the calendar file: its first date (a day
// number) and its RRULE value.
struct ICalendarRecurrence {
  int32_t Start = 0;
  std::string Rule;
  friend bool operator==(const ICalendarRecurrence&, const ICalendarRecurrence&) = default;
};

// A periodic event's recurrences, each starting on its next date from
// today; none for an event no date has (a free slot or a damaged one).
std::vector<ICalendarRecurrence> EventRecurrences(uint8_t month, uint8_t day,
                                                  const EventToday& today);

// One all-day event of the calendar: a day's note, or one recurrence of a
// periodic event. The same item has the same UID in every export.
struct ICalendarItem {
  std::string Uid;    // ends in kTovikUidSuffix
  int32_t Start = 0;  // a day number
  std::string Rule;   // the RRULE value; empty for a day's note
  std::string Text;   // UTF-8
};
constexpr std::string_view kTovikUidSuffix = "@tovik";
// What a calendar file holds around its events, CR LF lines.
constexpr std::string_view kICalendarBegin =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tovik//Tovik organiser//EN\r\n"
    "CALSCALE:GREGORIAN\r\n";
constexpr std::string_view kICalendarEnd = "END:VCALENDAR\r\n";

// The diary's days (as the diary export takes them), then the periodic
// events' recurrences, in the order the calendar file lists them.
std::vector<ICalendarItem> ICalendarItems(const ICalendarSource& source);
// One VEVENT with its DTSTAMP, CR LF lines.
std::string ICalendarEvent(const ICalendarItem& item, std::string_view stamp);
// A moment in UTC as DTSTAMP gives it: "20261209T101500Z".
std::string ICalendarStamp(int year, int month, int day, int hour, int minute, int second);

// A TEXT property as content lines: the UTF-8 value escaped, the line folded
// at 75 octets between whole characters, CR LF at the end.
std::string TextProperty(std::string_view name, std::string_view value);

// The diary's days (as the diary export takes them) as all-day events and
// the periodic events as repeating all-day events, one iCalendar file.
void WriteICalendar(BufferedFileWriter& out, const ICalendarSource& source);

// Writes the calendar file to `path` through a file beside it, so that a
// failure (thrown as IoError) leaves the earlier export whole.
void ExportICalendar(FileSystem& fs, const std::string& path, const ICalendarSource& source);

}  // namespace tovik
