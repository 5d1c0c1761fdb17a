// A second start of the organiser, in a process of its own, for the frame
// test that runs the first: it must find the first, run the rest of its
// start-up without showing its window, and end when its message loop begins.
// Ends with 0 when it did all that.
#include <windows.h>

#include "organiser/frame/TovikMain_win.h"

int wmain() {
  const auto main = tovik::TTovikMain::Start({}, SW_SHOW);
  if (main == nullptr) return 2;
  if (main->MayRun() || IsWindowVisible(main->hwnd())) return 3;
  MSG quit;
  if (!PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return 4;
  return 0;
}
