#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "organiser/frame/TovikMain_win.h"

// The organiser takes no arguments.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const auto main = tovik::TTovikMain::Start({}, show);
  if (!main) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (main->PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
