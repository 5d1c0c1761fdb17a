#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace tovik {

// The organiser's three options in the current user's registry.
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValue[] = L"Brakvel-CheckTovik";
inline constexpr wchar_t kOptionsKey[] = L"Software\\Brakvel\\Tovik";
inline constexpr wchar_t kMinToTrayValue[] = L"MinToTray";
inline constexpr wchar_t kExtendedLookAheadValue[] = L"ExtendedLookAhead";

// The three ticks of the Options menu, as the window is designed: the
// reminder at log-on ticked, the other two not.
struct RegistryOptions {
  bool RunCheckTovikOnStartup = true;
  bool AlwaysMinimizeToSystray = false;
  bool ExtendLookAheadDays = false;
};

// An open registry key that closes itself.
class RegistryKey {
 public:
  // Opens the key below HKEY_CURRENT_USER, creating it when missing; an
  // invalid key when that fails.
  static RegistryKey OpenOrCreate(const wchar_t* path);
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&&) = delete;
  ~RegistryKey();

  bool IsOpen() const { return key_ != nullptr; }
  // The value's type (REG_SZ, REG_DWORD ...); nothing when it is absent.
  std::optional<DWORD> ValueType(const wchar_t* name) const;
  // A string value; nothing when it is absent or not a string.
  std::optional<std::wstring> ReadString(const wchar_t* name) const;
  // A 32-bit integer value; nothing when it is absent or of another type.
  std::optional<DWORD> ReadDword(const wchar_t* name) const;
  LSTATUS WriteString(const wchar_t* name, const std::wstring& value) const;
  LSTATUS WriteDword(const wchar_t* name, DWORD value) const;
  LSTATUS DeleteValue(const wchar_t* name) const;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  HKEY key_;
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
