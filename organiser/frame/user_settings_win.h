#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "organiser/frame/commands.h"
#include "organiser/frame/registry_options_win.h"
#include "store/organiser_store.h"

namespace tovik {

class AppointmentsPage;
class MainMenuBar;
namespace ui {
class Panel;
}

enum class ColorDialogKind { Background, Font };
// Runs a colour dialog; nothing when the user cancels.
using ColorChooser = std::function<std::optional<COLORREF>(ColorDialogKind kind, COLORREF initial)>;

// The Options menu's settings: the three registry options, the colours, the
// first day of the week, the rule of week 1 and the language. Each command
// changes its setting, shows it and writes it where it is kept.
class UserSettings {
 public:
  struct Args {
    HWND owner = nullptr;
    MainMenuBar* menu = nullptr;
    ui::Panel* topPanel = nullptr;  // shows the colours in use
    AppointmentsPage* appointments = nullptr;
    std::function<OrganiserStore&()> store;
    std::function<void()> saveHeader;
    std::function<void()> applyLanguage;
    std::function<void(bool minimizeToTray)> trayOption;
    ColorChooser chooseColor;  // the system's dialog when null
  };
  explicit UserSettings(Args args) : args_(std::move(args)) {}

  // True when the command was one of the settings'.
  bool OnCommand(Command command);
  // The registry options as stored, with the path the Run value takes.
  void ReadOptions(std::wstring reminderPath);
  const RegistryOptions& Options() const { return options_; }
  void ShowWeekSettingTicks();

 private:
  void ToggleOption(bool RegistryOptions::*option);
  void ShowRegistryTicks();
  void ChooseColor(ColorDialogKind kind);
  void ResetColors();
  void SetStartOfWeek(WeekStart start);
  void SetWeekRule(int rule);
  void ChooseLanguage(Language language);

  Args args_;
  RegistryOptions options_;
  std::wstring reminderPath_;
  std::array<COLORREF, 16> customBackgrounds_{};
  std::array<COLORREF, 16> customFontColors_{};
};

}  // namespace tovik
