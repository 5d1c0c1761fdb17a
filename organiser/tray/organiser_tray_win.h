#pragma once
#include <windows.h>

#include <memory>

#include "organiser/tray/tray_icon_win.h"
#include "ui/gdi_win.h"

namespace tovik {

// The organiser's use of its tray icon: the window's own picture at the small
// size of the screen's scale, a hint that is the same in every language, any
// press toggling the window, and the option that keeps the icon shown.
class OrganiserTray {
 public:
  // Made after the window first shows: the shell's library loads only now.
  OrganiserTray(HWND mainWindow, HICON icon, NotifyIconCall notify);

  TCoolTrayIcon& Icon() { return *icon_; }
  // With the option on, minimising hides the window behind the icon.
  void ApplyOption(bool minimizeToTray);
  // Any press on the icon hides a shown window and shows a hidden one.
  void Toggle();

 private:
  HWND mainWindow_;
  ui::OwnedIcon picture_;
  std::unique_ptr<TCoolTrayIcon> icon_;
};

}  // namespace tovik
