#include "ui/registry_key_win.h"

#include <utility>

namespace tovik::ui {

RegistryKey RegistryKey::OpenOrCreate(const wchar_t* path, REGSAM access) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    key = nullptr;
  }
  return RegistryKey(key);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

std::optional<DWORD> RegistryKey::ValueType(const wchar_t* name) const {
  DWORD type = 0;
  if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return type;
}

std::optional<std::wstring> RegistryKey::ReadString(const wchar_t* name) const {
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key_, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(bytes / sizeof(wchar_t));
  // The stored text may or may not carry its closing NUL.
  if (const size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
  return text;
}

std::optional<DWORD> RegistryKey::ReadDword(const wchar_t* name) const {
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof value) {
    return std::nullopt;
  }
  return value;
}

LSTATUS RegistryKey::WriteString(const wchar_t* name, const std::wstring& value) const {
  return RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LSTATUS RegistryKey::WriteDword(const wchar_t* name, DWORD value) const {
  return RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value);
}

LSTATUS RegistryKey::DeleteValue(const wchar_t* name) const {
  return RegDeleteValueW(key_, name);
}

}  // namespace tovik::ui
