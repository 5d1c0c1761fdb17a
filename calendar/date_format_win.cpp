#include "calendar/date_format_win.h"

#include <windows.h>

#include "base/wide_text_win.h"

namespace tovik {

namespace {

std::string LocaleText(LCTYPE type) {
  wchar_t text[128];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 128);
  return length > 0 ? WideToUtf8(std::wstring_view(text, length - 1)) : std::string();
}

}  // namespace

LocaleDateFormats WinDateFormatter::Formats() {
  return {LocaleText(LOCALE_SSHORTDATE), LocaleText(LOCALE_SLONGDATE)};
}

// An empty result for a date Windows cannot format (before 1601) rather
// than an error: a date text is never worth a failed command.
std::string WinDateFormatter::Format(const CalendarDate& date, std::string_view picture) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(date.Year);
  st.wMonth = static_cast<WORD>(date.Month);
  st.wDay = static_cast<WORD>(date.Day);
  const std::wstring widePicture = Utf8ToWide(picture);
  const int length = GetDateFormatW(LOCALE_USER_DEFAULT, 0, &st, widePicture.c_str(), nullptr, 0);
  if (length <= 0) return {};
  std::wstring text(length, L'\0');
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, &st, widePicture.c_str(), text.data(), length);
  text.resize(length - 1);
  return WideToUtf8(text);
}

}  // namespace tovik
