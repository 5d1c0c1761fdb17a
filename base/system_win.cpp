#include "base/system_win.h"

#include <windows.h>

#include "base/wide_text_win.h"

namespace tovik {

std::string SystemErrorText(unsigned long code, const wchar_t* module) {
  wchar_t* buffer = nullptr;
  const HMODULE source = module ? GetModuleHandleW(module) : nullptr;
  const DWORD n =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS | (source ? FORMAT_MESSAGE_FROM_HMODULE : 0),
                     source, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n ? std::wstring(buffer, n) : std::wstring();
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return WideToUtf8(text);
}

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return WideToUtf8(path);
    }
    path.resize(path.size() * 2);
  }
}

LocalDateTime LocalNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

CalendarDate LocalToday() {
  const LocalDateTime now = LocalNow();
  return {now.Year, now.Month, now.Day};
}

}  // namespace tovik
