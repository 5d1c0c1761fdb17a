#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/install_mutex_win.h"
#include "app/instance_control_win.h"
#include "app/logging_win.h"
#include "calendar/date_format.h"
#include "reminder/due_selection.h"
#include "ui/colors_win.h"
#include "ui/fonts_win.h"
#include "ui/gdi_win.h"
#include "ui/window_win.h"

namespace tovik {

inline constexpr wchar_t kReminderTitle[] = L"Check Tovik";
inline constexpr wchar_t kReminderClassName[] = L"TChkTovikMain";
inline constexpr int kReminderClientWidth = 634;
inline constexpr int kReminderClientHeight = 429;

// Child window identifiers, so tests can find each control.
enum class ReminderControl : int {
  lblAppointmentsAndEvents = 101,
  IPTxt1,
  lblTomorrow,
  IPTxt2,
  lblWeekAfter,
  IPTxt3,
  lblTodosAndNotes,
  btnExit,
  IPNot,
};

// 7 days ahead, or 28 when the organiser's "ExtendedLookAhead" option is on.
int ReadLookAheadDays();

// What the window shows, selected before the window exists.
struct ReminderSelection {
  ReminderData Data;
  int32_t Today = 0;
  int LookAheadDays = 7;
  std::string DataRoot;  // where CheckTovik.log goes
};

// The reminder's window: today's, tomorrow's and the following days' items
// and the marked note lines, read-only, in the data file's colours.
class TChkTovikMain : public ui::Window {
 public:
  TChkTovikMain(TzqLogging& log, DateFormatter& dates);
  ~TChkTovikMain() override;

  // The creation steps: look-ahead, read and select, log file, install mutex,
  // instance guard. False when the program is to end without showing a
  // window: no data file, nothing due, or another reminder of this
  // executable already running (which is brought forward).
  bool Create();
  // The creation steps after reading, for a selection made elsewhere.
  bool CreateFor(ReminderSelection selection);
  // The single activation (texts, day boxes, notes), then the window is shown.
  void Show(int showCommand = SW_SHOWNORMAL);

  HWND Control(ReminderControl id) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetProgramIcons();
  void CreateControls();
  void Activate();
  void FitHeadings();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void LogDamage();
  HBRUSH OnCtlColorStatic(HDC dc, HWND control);

  TzqLogging& log_;
  DateFormatter& dates_;
  ReminderSelection selection_;
  std::optional<ui::ScaledFonts> fonts_;  // made with the window
  COLORREF backgroundColor_ = 0;
  COLORREF fontColor_ = 0;
  ui::GdiObject<HBRUSH> background_;
  HWND lastFocus_ = nullptr;  // given the focus back when the window is active again
  std::optional<InstallMutex> installMutex_;
  std::unique_ptr<TzqWinFormInstanceControl> instanceGuard_;
};

// Runs the message loop until the window is closed; the program's exit code.
int RunReminderMessageLoop(HWND window);

}  // namespace tovik
