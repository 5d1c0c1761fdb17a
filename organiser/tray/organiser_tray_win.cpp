#include "organiser/tray/organiser_tray_win.h"

#include "ui/dpi_win.h"

namespace tovik {
namespace {
constexpr wchar_t kTrayHint[] = L"Click to close/open Tovik";
}  // namespace

OrganiserTray::OrganiserTray(HWND mainWindow, HICON icon, NotifyIconCall notify)
    : mainWindow_(mainWindow), picture_(ui::SmallIcon(icon)) {
  icon_ = std::make_unique<TCoolTrayIcon>(
      TCoolTrayIcon::CreateArgs{.mainWindow = mainWindow,
                                .icon = picture_.get(),
                                .hint = kTrayHint,
                                .notify = std::move(notify),
                                .onMouseDown = [this](TrayButton) { Toggle(); }});
  icon_->Loaded();
}

void OrganiserTray::ApplyOption(bool minimizeToTray) {
  icon_->SetMinimizeToTray(minimizeToTray);
  icon_->SetIconVisible(minimizeToTray);
}

void OrganiserTray::Toggle() {
  if (IsWindowVisible(mainWindow_)) {
    icon_->HideMainForm();
  } else {
    icon_->ShowMainForm();
  }
}

}  // namespace tovik
