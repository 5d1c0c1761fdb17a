#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace tovik {

// The shell's notification-area call (Shell_NotifyIconW); tests look at the
// records instead.
using NotifyIconCall = std::function<BOOL(DWORD message, NOTIFYICONDATAW* record)>;

enum class TrayButton { Left, Right, Middle };

class TCoolTrayIcon;

// One hidden window for all tray icons of the program, made with the first
// and destroyed with the last: the notification area tells it of the mouse
// over each icon.
class TTrayIconHandler {
 public:
  static constexpr UINT kCallbackMessage = 0x800;

  static HWND Acquire(TCoolTrayIcon* icon);
  static void Release(TCoolTrayIcon* icon);
  // How many tray icons share the window; 0 when it does not exist.
  static int References();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The organiser's icon in the notification area of the taskbar. With
// MinimizeToTray set, minimising the main window hides it and its taskbar
// button behind the icon.
class TCoolTrayIcon {
 public:
  struct CreateArgs {
    HWND mainWindow = nullptr;
    HICON icon = nullptr;
    std::wstring hint;
    NotifyIconCall notify;  // the shell's when empty
    // A press of a mouse button on the icon.
    std::function<void(TrayButton button)> onMouseDown;
  };
  static constexpr DWORD kRecordSize = 488;
  static constexpr size_t kTipLength = 127;

  // Fills the record; the shell is not called yet.
  explicit TCoolTrayIcon(CreateArgs args);
  ~TCoolTrayIcon();
  TCoolTrayIcon(const TCoolTrayIcon&) = delete;
  TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

  // Brings the icon in line with a freshly loaded component: modified in
  // place, not shown, classic version.
  void Loaded();

  void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }
  // Adds the icon to the notification area, or deletes it, whether or not
  // it is there.
  void SetIconVisible(bool value);

  void HideMainForm();
  void ShowMainForm();

  // The main window's messages pass here before the window handles them.
  void SeeMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A mouse message of the notification area over this icon.
  void HandleCallback(UINT mouseMessage);
  UINT Id() const { return record_.uID; }

 private:
  BOOL Notify(DWORD message);
  void AddIcon();

  NOTIFYICONDATAW record_{};
  HWND mainWindow_;
  NotifyIconCall notify_;
  std::function<void(TrayButton)> onMouseDown_;
  UINT taskbarCreated_ = 0;  // 0 with a common-controls library older than 4.71
  bool minimizeToTray_ = true;
  bool iconVisible_ = false;
  bool iconShown_ = false;  // the shell holds the icon, as far as its answers tell
};

}  // namespace tovik
