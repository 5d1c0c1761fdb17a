#include "organiser/tray/tray_icon_win.h"

#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "ui/window_win.h"

namespace tovik {
namespace {

constexpr wchar_t kHandlerClass[] = L"TTrayIconHandler";

HWND g_handlerWindow = nullptr;
std::vector<TCoolTrayIcon*> g_icons;  // the references to the handler window
UINT g_nextId = 1;

// "TaskbarCreated" is broadcast from common controls 4.71 on.
UINT TaskbarCreatedMessage() {
  const HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  if (comctl == nullptr) return 0;
  DWORD version = 0;
  // Through void(*)() so that the compiler accepts the change of signature.
  const auto address = reinterpret_cast<void (*)()>(GetProcAddress(comctl, "DllGetVersion"));
  if (const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(address)) {
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (SUCCEEDED(getVersion(&info))) version = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
  }
  FreeLibrary(comctl);
  return version >= 0x40047 ? RegisterWindowMessageW(L"TaskbarCreated") : 0;
}

}  // namespace

HWND TTrayIconHandler::Acquire(TCoolTrayIcon* icon) {
  if (g_handlerWindow == nullptr) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHandlerClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    g_handlerWindow =
        ui::Created(CreateWindowExW(0, kHandlerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    windowClass.hInstance, nullptr));
  }
  g_icons.push_back(icon);
  return g_handlerWindow;
}

void TTrayIconHandler::Release(TCoolTrayIcon* icon) {
  std::erase(g_icons, icon);
  if (g_icons.empty() && g_handlerWindow != nullptr) {
    DestroyWindow(g_handlerWindow);
    g_handlerWindow = nullptr;
  }
}

int TTrayIconHandler::References() {
  return static_cast<int>(g_icons.size());
}

LRESULT CALLBACK TTrayIconHandler::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  switch (message) {
    case kCallbackMessage: {
      const auto icon =
          std::find_if(g_icons.begin(), g_icons.end(),
                       [wParam](const TCoolTrayIcon* i) { return i->Id() == wParam; });
      if (icon != g_icons.end()) (*icon)->HandleCallback(static_cast<UINT>(lParam));
      return 0;
    }
    // The window lives as long as an icon needs it, whatever asks it to go.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
    case WM_NCDESTROY:
      return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TCoolTrayIcon::TCoolTrayIcon(CreateArgs args)
    : mainWindow_(args.mainWindow),
      notify_(std::move(args.notify)),
      onMouseDown_(std::move(args.onMouseDown)),
      taskbarCreated_(TaskbarCreatedMessage()) {
  if (!notify_)
    notify_ = [](DWORD message, NOTIFYICONDATAW* record) {
      return Shell_NotifyIconW(message, record);
    };
  record_.cbSize = kRecordSize;
  record_.hWnd = TTrayIconHandler::Acquire(this);
  record_.uID = g_nextId++;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = TTrayIconHandler::kCallbackMessage;
  record_.hIcon = args.icon;
  args.hint.resize(std::min(args.hint.size(), kTipLength));
  std::copy(args.hint.begin(), args.hint.end(), record_.szTip);
}

void TCoolTrayIcon::Loaded() {
  Notify(NIM_MODIFY);
  SetIconVisible(false);
  record_.uVersion = 0;
  Notify(NIM_SETVERSION);
}

TCoolTrayIcon::~TCoolTrayIcon() {
  SetIconVisible(false);
  TTrayIconHandler::Release(this);
}

BOOL TCoolTrayIcon::Notify(DWORD message) {
  return notify_(message, &record_);
}

// An icon that is there already refuses a second add; the shell holds it
// when it takes the change instead.
void TCoolTrayIcon::AddIcon() {
  iconShown_ = Notify(NIM_ADD) || Notify(NIM_MODIFY);
}

void TCoolTrayIcon::SetIconVisible(bool value) {
  iconVisible_ = value;
  if (value) {
    AddIcon();
  } else {
    Notify(NIM_DELETE);
    iconShown_ = false;
  }
}

// Hiding the window takes its taskbar button with it.
void TCoolTrayIcon::HideMainForm() {
  ShowWindow(mainWindow_, SW_HIDE);
}

void TCoolTrayIcon::ShowMainForm() {
  if (IsIconic(mainWindow_)) ShowWindow(mainWindow_, SW_RESTORE);
  ShowWindow(mainWindow_, SW_SHOW);
  SetForegroundWindow(mainWindow_);
}

void TCoolTrayIcon::SeeMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_) {
    // Hidden only behind an icon that is there: without a taskbar the
    // window stays minimised on it, where the user can find it.
    SetIconVisible(true);
    if (iconShown_) HideMainForm();
  } else if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_RESTORE) {
    if (!IsWindowVisible(mainWindow_)) ShowWindow(mainWindow_, SW_SHOW);
  } else if (message == WM_SHOWWINDOW && wParam != FALSE && lParam == 0) {
    SetForegroundWindow(mainWindow_);
  } else if (taskbarCreated_ != 0 && message == taskbarCreated_ && iconVisible_) {
    AddIcon();  // the taskbar started again without our icon
  }
}

void TCoolTrayIcon::HandleCallback(UINT mouseMessage) {
  if (!onMouseDown_) return;
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      onMouseDown_(TrayButton::Left);
      break;
    case WM_RBUTTONDOWN:
      onMouseDown_(TrayButton::Right);
      break;
    case WM_MBUTTONDOWN:
      onMouseDown_(TrayButton::Middle);
      break;
  }
}

}  // namespace tovik
