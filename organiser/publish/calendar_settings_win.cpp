#include "organiser/publish/calendar_settings_win.h"

#include <wincred.h>

#include "app/registry_names.h"
#include "ui/registry_key_win.h"

namespace tovik {
namespace {

std::wstring ReadPassword() {
  PCREDENTIALW credential = nullptr;
  if (!CredReadW(kCalendarCredential, CRED_TYPE_GENERIC, 0, &credential)) return {};
  std::wstring password(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                        credential->CredentialBlobSize / sizeof(wchar_t));
  SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
  CredFree(credential);
  return password;
}

bool WritePassword(const std::wstring& user, const std::wstring& password) {
  if (password.empty()) {
    return CredDeleteW(kCalendarCredential, CRED_TYPE_GENERIC, 0) ||
           GetLastError() == ERROR_NOT_FOUND;
  }
  std::wstring target = kCalendarCredential;
  std::wstring userName = user;
  CREDENTIALW credential{};
  credential.Type = CRED_TYPE_GENERIC;
  credential.TargetName = target.data();
  credential.UserName = userName.data();
  credential.CredentialBlobSize = static_cast<DWORD>(password.size() * sizeof(wchar_t));
  credential.CredentialBlob = reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(password.data()));
  credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
  return CredWriteW(&credential, 0) != FALSE;
}

}  // namespace

CalendarServerSettings ReadCalendarServerSettings() {
  CalendarServerSettings settings;
  const ui::RegistryKey key = ui::RegistryKey::OpenOrCreate(kOptionsKey, KEY_READ);
  if (key.IsOpen()) {
    settings.Url = key.ReadString(kCalendarUrlValue).value_or(L"");
    settings.User = key.ReadString(kCalendarUserValue).value_or(L"");
    settings.Publish = key.ReadDword(kCalendarPublishValue).value_or(0) != 0;
  }
  settings.Password = ReadPassword();
  return settings;
}

bool WriteCalendarServerSettings(const CalendarServerSettings& settings) {
  const ui::RegistryKey key = ui::RegistryKey::OpenOrCreate(kOptionsKey);
  if (key.IsOpen()) {
    key.WriteString(kCalendarUrlValue, settings.Url);
    key.WriteString(kCalendarUserValue, settings.User);
    key.WriteDword(kCalendarPublishValue, settings.Publish ? 1 : 0);
  }
  return WritePassword(settings.User, settings.Password);
}

}  // namespace tovik
