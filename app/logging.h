#pragma once
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "base/local_date_time.h"

namespace tovik {

enum class IsoDateTimeMode { DateAndTime = 0, DateOnly = 1, TimeOnly = 2 };

// "yyyy-mm-dd", "hh:mm:ss" (24-hour clock) or both separated by one blank,
// with "-" and ":" whatever the user's locale says.
std::string FormatIsoDateTime(IsoDateTimeMode mode, const LocalDateTime& moment);

// What the log says about an error: its class name and its message (UTF-8).
struct ErrorDescription {
  std::string ClassName;
  std::string Message;
};

ErrorDescription DescribeError(const std::exception& error);
// Describes the exception being handled; call only inside a catch block.
ErrorDescription DescribeCurrentError();

// The facts about the running process that every record carries; the
// platform gathers them when a record is logged. Texts are UTF-8.
struct LogContext {
  LocalDateTime Now;
  std::string NativeDateTime;  // Now in the user's short date and long time formats
  uint32_t LastError = 0;
  std::string LastErrorText;  // the system's text for LastError, untrimmed
  uint32_t ProcessId = 0;
  uint32_t ThreadId = 0;
  std::string CurrentDirectory;
};

// What the caller gives to one log call. An empty Sender means the error
// did not come from a named part of the program, so no "Sender: " line.
struct LogEntry {
  std::string Sender{};
  std::optional<ErrorDescription> Error{};
  std::string Identifier{};
  std::string Message{};
};

// The system's error text without its trailing line break, blanks and full stop.
std::string TrimSystemErrorText(std::string_view text);

// "--Info--", "--Message--", "--Exception--" or "--Combined--".
std::string_view LogRecordKind(const LogEntry& entry);

// One whole record: every line ends in CR LF and the record ends with an
// empty line, so records appended one after another stay apart.
std::string FormatLogRecord(const LogContext& context, const LogEntry& entry);

}  // namespace tovik
