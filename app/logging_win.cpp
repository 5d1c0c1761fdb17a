#include "app/logging_win.h"

#include <windows.h>

#include <string_view>
#include <utility>

#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {
namespace {

// The moment in the user's short date and long time formats, as the system
// formats dates everywhere else.
std::string NativeDateTime(const SYSTEMTIME& moment) {
  wchar_t date[128];
  wchar_t time[128];
  if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, 128) == 0) {
    date[0] = L'\0';
  }
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &moment, nullptr, time, 128) == 0) time[0] = L'\0';
  return WideToUtf8(std::wstring(date) + L" " + time);
}

std::string CurrentDirectory() {
  std::wstring folder(MAX_PATH, L'\0');
  DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  if (length >= folder.size()) {
    folder.resize(length);
    length = GetCurrentDirectoryW(length, folder.data());
  }
  folder.resize(length < folder.size() ? length : 0);
  return WideToUtf8(folder);
}

LogContext CurrentContext(DWORD lastError) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  LogContext context;
  context.Now = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  context.NativeDateTime = NativeDateTime(now);
  context.LastError = lastError;
  context.LastErrorText = SystemErrorText(lastError);
  context.ProcessId = GetCurrentProcessId();
  context.ThreadId = GetCurrentThreadId();
  context.CurrentDirectory = CurrentDirectory();
  return context;
}

}  // namespace

void TzqLogging::SetLogFile(std::string path) {
  std::lock_guard guard(lock_);
  logFile_ = std::move(path);
}

std::string TzqLogging::LogFile() const {
  std::lock_guard guard(lock_);
  return logFile_;
}

void TzqLogging::Log(const LogEntry& entry) noexcept {
  // Read first: anything below may overwrite the error being reported.
  const DWORD lastError = GetLastError();
  try {
    std::lock_guard guard(lock_);
    pending_ += FormatLogRecord(CurrentContext(lastError), entry);
    SaveLocked();
  } catch (...) {
    // Out of memory while logging: the record is lost, the program goes on.
  }
}

void TzqLogging::SaveLog() noexcept {
  try {
    std::lock_guard guard(lock_);
    SaveLocked();
  } catch (...) {
  }
}

// Appends rather than reading the old log back and rewriting it, so a log
// that cannot be read (or is huge) never loses its older records.
void TzqLogging::SaveLocked() noexcept {
  if (logFile_.empty()) return;
  try {
    const HANDLE file = CreateFileW(Utf8ToWide(logFile_).c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, pending_.data(), static_cast<DWORD>(pending_.size()), &written, nullptr);
      CloseHandle(file);
    }
  } catch (...) {
  }
  pending_.clear();
}

}  // namespace tovik
