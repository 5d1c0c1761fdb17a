#include "store/store_platform_win.h"

#include <windows.h>
#include <winnetwk.h>

#include <vector>

#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {

namespace {
std::string LocaleValue(LCTYPE type) {
  wchar_t buffer[16] = {};
  if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16)) return "-1";
  return WideToUtf8(buffer);
}
}  // namespace

LocalDateTime Win32StorePlatform::Now() {
  return LocalNow();
}

uint16_t Win32StorePlatform::UserDefaultLanguage() {
  return LANGIDFROMLCID(GetUserDefaultLCID());
}

std::string Win32StorePlatform::LocaleFirstDayOfWeek() {
  return LocaleValue(LOCALE_IFIRSTDAYOFWEEK);
}

std::string Win32StorePlatform::LocaleFirstWeekOfYear() {
  return LocaleValue(LOCALE_IFIRSTWEEKOFYEAR);
}

// Only a path on a mapped network drive has another form: asking the network
// provider about any other path would load it for nothing.
std::string Win32StorePlatform::NetworkForm(const std::string& path) {
  const std::wstring wide = Utf8ToWide(path);
  if (wide.size() < 3 || wide[1] != L':' ||
      GetDriveTypeW(wide.substr(0, 3).c_str()) != DRIVE_REMOTE) {
    return path;
  }
  std::vector<BYTE> buffer(1024);
  DWORD size = static_cast<DWORD>(buffer.size());
  DWORD rc = WNetGetUniversalNameW(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
  if (rc == ERROR_MORE_DATA) {
    buffer.resize(size);
    rc = WNetGetUniversalNameW(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
  }
  if (rc != NO_ERROR) return path;  // a local path has no network form
  return WideToUtf8(reinterpret_cast<UNIVERSAL_NAME_INFOW*>(buffer.data())->lpUniversalName);
}

}  // namespace tovik
