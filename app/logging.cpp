#include "app/logging.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace tovik {

std::string FormatIsoDateTime(IsoDateTimeMode mode, const LocalDateTime& moment) {
  char date[32];
  char time[32];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", moment.Year, moment.Month, moment.Day);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", moment.Hour, moment.Minute, moment.Second);
  switch (mode) {
    case IsoDateTimeMode::DateOnly:
      return date;
    case IsoDateTimeMode::TimeOnly:
      return time;
    case IsoDateTimeMode::DateAndTime:
      break;
  }
  return std::string(date) + ' ' + time;
}

// The readable name of the error's dynamic type ("tovik::IoError" rather
// than the compiler's mangled "N5tovik7IoErrorE").
static std::string ReadableTypeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> readable(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && readable ? std::string(readable.get()) : std::string(type.name());
}

ErrorDescription DescribeError(const std::exception& error) {
  return {ReadableTypeName(typeid(error)), error.what()};
}

ErrorDescription DescribeCurrentError() {
  try {
    throw;
  } catch (const std::exception& error) {
    return DescribeError(error);
  } catch (...) {
    // Nothing of ours throws anything else, but a callback must not let it pass.
    return {"unknown exception", "Unknown error"};
  }
}

std::string TrimSystemErrorText(std::string_view text) {
  size_t end = text.size();
  while (end > 0) {
    const auto c = static_cast<unsigned char>(text[end - 1]);
    if (c > ' ' && c != '.' && c != 0x7F) break;
    --end;
  }
  return std::string(text.substr(0, end));
}

std::string_view LogRecordKind(const LogEntry& entry) {
  const bool hasMessage = !entry.Message.empty();
  if (entry.Error) return hasMessage ? "--Combined--" : "--Exception--";
  return hasMessage ? "--Message--" : "--Info--";
}

std::string FormatLogRecord(const LogContext& context, const LogEntry& entry) {
  std::string record;
  const auto line = [&record](std::string_view label, std::string_view value) {
    record.append(label).append(value).append("\r\n");
  };
  line(LogRecordKind(entry), "");
  line("DateTime (ISO): ", FormatIsoDateTime(IsoDateTimeMode::DateAndTime, context.Now));
  line("DateTime (native): ", context.NativeDateTime);
  if (!entry.Sender.empty()) line("Sender: ", entry.Sender);
  line("Last Windows Error: ", std::to_string(context.LastError) + " (\"" +
                                   TrimSystemErrorText(context.LastErrorText) + "\")");
  line("Current Process ID: ", std::to_string(context.ProcessId));
  line("Current Thread ID: ", std::to_string(context.ThreadId));
  line("Current Work Directory: ", context.CurrentDirectory);
  if (!entry.Identifier.empty()) line("ID: ", entry.Identifier);
  if (!entry.Message.empty()) line("Message: ", entry.Message);
  if (entry.Error) {
    line("Exception Class Name: ", entry.Error->ClassName);
    line("Exception Message: ", entry.Error->Message);
  }
  line("", "");
  return record;
}

}  // namespace tovik
