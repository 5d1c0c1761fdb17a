#include "organiser/frame/registry_options_win.h"

#include <stdexcept>

#include "ui/registry_key_win.h"

namespace tovik {

RegistryOptions ReadRegistryOptions(const RegistryOptions& designed) {
  RegistryOptions options = designed;
  // Any text at all, even a wrong path, counts as asked for; the next write
  // puts the right path there. An absent value reads as no text; a value that
  // cannot be read as text leaves the tick as designed.
  if (const ui::RegistryKey run = ui::RegistryKey::OpenOrCreate(kRunKey); run.IsOpen()) {
    if (!run.ValueType(kRunValue)) {
      options.RunCheckTovikOnStartup = false;
    } else if (const auto text = run.ReadString(kRunValue)) {
      options.RunCheckTovikOnStartup = !text->empty();
    }
  }
  const ui::RegistryKey tovik = ui::RegistryKey::OpenOrCreate(kOptionsKey);
  const auto flag = [&](const wchar_t* name) {
    if (!tovik.IsOpen()) return false;
    return tovik.ReadDword(name).value_or(0) != 0;
  };
  options.ExtendLookAheadDays = flag(kExtendedLookAheadValue);
  options.AlwaysMinimizeToSystray = flag(kMinToTrayValue);
  return options;
}

void WriteRegistryOptions(const RegistryOptions& options, const std::wstring& reminderPath) {
  const ui::RegistryKey run = ui::RegistryKey::OpenOrCreate(kRunKey);
  if (options.RunCheckTovikOnStartup) {
    if (!run.IsOpen() || run.WriteString(kRunValue, reminderPath) != ERROR_SUCCESS) {
      throw std::runtime_error("Failed to set data for 'Brakvel-CheckTovik'");
    }
  } else if (run.IsOpen()) {
    run.DeleteValue(kRunValue);  // an absent value is no error
  }
  const ui::RegistryKey tovik = ui::RegistryKey::OpenOrCreate(kOptionsKey);
  if (!tovik.IsOpen()) return;
  tovik.WriteDword(kMinToTrayValue, options.AlwaysMinimizeToSystray ? 1 : 0);
  tovik.WriteDword(kExtendedLookAheadValue, options.ExtendLookAheadDays ? 1 : 0);
}

}  // namespace tovik
