#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace tovik::ui {

// An open key of the current user's registry that closes itself.
class RegistryKey {
 public:
  // Opens the key below HKEY_CURRENT_USER, creating it when missing; an
  // invalid key when that fails.
  static RegistryKey OpenOrCreate(const wchar_t* path, REGSAM access = KEY_READ | KEY_WRITE);
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

}  // namespace tovik::ui
