// The running first instance for the instance-guard tests, in a process of
// its own: a main window, the install mutex and a guard set up as the
// programs set them up, then messages until the test sets TAG_stop. Ends
// with 0 when it held the mutex and counted as the first instance.
// Usage: guard_instance_helper TAG CAPTION MINIMISED(0|1) INSTANCEKEY
#include <windows.h>

#include <string>

#include "app/install_mutex_win.h"
#include "app/instance_control_win.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) return 2;
  const std::wstring tag = argv[1];
  const wchar_t kClass[] = L"GuardTestMainWindow";
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);
  const HWND main =
      CreateWindowExW(0, kClass, (tag + L" main window").c_str(), WS_OVERLAPPEDWINDOW, 100, 100,
                      300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (main == nullptr) return 3;
  ShowWindow(main, SW_SHOW);
  if (std::wstring(argv[3]) == L"1") ShowWindow(main, SW_MINIMIZE);

  const tovik::InstallMutex mutex;
  tovik::TzqWinFormInstanceControl guard(main, argv[2], false);
  guard.SetInstanceKey(argv[4]);
  guard.SetMaxInstances(0);
  guard.CheckInstances();
  const bool sound = mutex.HoldsHandle() && guard.IsFirstInstance();

  const HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, (tag + L"_stop").c_str());
  const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, (tag + L"_ready").c_str());
  SetEvent(ready);
  while (MsgWaitForMultipleObjects(1, &stop, FALSE, 60000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  CloseHandle(ready);
  CloseHandle(stop);
  DestroyWindow(main);
  return sound ? 0 : 1;
}
