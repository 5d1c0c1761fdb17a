// ChkTovik.exe: shows what is due at log-on, or ends at once when nothing is.
#include <windows.h>

#include "app/logging_win.h"
#include "app/unhandled_error_win.h"
#include "calendar/date_format_win.h"
#include "reminder/chk_tovik_main_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  tovik::TzqLogging log;
  tovik::UnhandledErrorPath errors(log, tovik::kReminderTitle);
  tovik::WinDateFormatter dates;
  tovik::TChkTovikMain main(log, dates);
  try {
    if (!main.Create()) return 0;
    main.Show(showCommand);
  } catch (...) {
    tovik::HandleUnhandledError("ChkTovikMain");
    if (main.hwnd() == nullptr) return 1;
  }
  return tovik::RunReminderMessageLoop(main.hwnd());
}
