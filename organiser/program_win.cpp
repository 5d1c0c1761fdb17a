#include <windows.h>

#include "organiser/TovikMain_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  tovik::TTovikMain main;
  if (!main.Create(instance)) return 1;
  ShowWindow(main.hwnd(), show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
