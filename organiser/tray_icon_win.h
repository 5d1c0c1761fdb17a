#pragma once
#include <windows.h>

namespace tovik {

// The organiser's icon in the notification area of the taskbar. With
// MinimizeToTray set, minimising the main window hides it behind the icon.
class TCoolTrayIcon {
 public:
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool value) { iconVisible_ = value; }

 private:
  bool minimizeToTray_ = false;
  bool iconVisible_ = false;
};

}  // namespace tovik
