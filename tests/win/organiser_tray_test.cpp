// The organiser's icon in the notification area, in process: the records
// handed to the shell, a taskbar that is missing and starts again, and
// closing. The presses on the icon are checked on the real exe.
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

class OrganiserTray : public OrganiserWindowTest {
 protected:
  TTovikMain& StartWithTheOption() {
    TTovikMain& main = Start();
    Run(Command::AlwaysMinimizeToSystray);
    return main;
  }
  UINT IconId() { return main_->TrayIcon()->Id(); }
  HWND HandlerWindow() { return shell_.calls.front().record.hWnd; }
  void Minimise() {
    ShowWindow(main_->hwnd(), SW_MINIMIZE);
    Pump();
  }
  bool Shown() { return IsWindowVisible(main_->hwnd()) != FALSE; }
};

// The record handed to the shell is the classic one; the icon follows the
// option, and with the option off minimising keeps the taskbar button.
TEST_F(OrganiserTray, RecordIsTheClassicOneAndTheIconFollowsTheOption) {
  Start();
  // Created as a loaded component: modified in place, deleted, classic version.
  const DWORD startCalls[] = {NIM_MODIFY, NIM_DELETE, NIM_SETVERSION, NIM_DELETE};
  ASSERT_EQ(shell_.calls.size(), std::size(startCalls));
  for (size_t i = 0; i < std::size(startCalls); ++i) {
    EXPECT_EQ(shell_.calls[i].message, startCalls[i]);
  }
  EXPECT_EQ(shell_.calls[2].record.uVersion, 0u);
  Minimise();
  EXPECT_TRUE(Shown());

  ShowWindow(main_->hwnd(), SW_RESTORE);
  Run(Command::AlwaysMinimizeToSystray);
  const NOTIFYICONDATAW& added = shell_.calls.back().record;
  EXPECT_EQ(shell_.calls.back().message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(added.cbSize, 488u);
  EXPECT_EQ(added.uFlags, 7u);
  EXPECT_EQ(added.uCallbackMessage, 0x800u);
  EXPECT_STREQ(added.szTip, L"Click to close/open Tovik");
  EXPECT_FALSE(IsWindowVisible(added.hWnd));
  EXPECT_TRUE(shell_.Holds(IconId()));

  Run(Command::AlwaysMinimizeToSystray);
  EXPECT_FALSE(shell_.Holds(IconId()));
}

// Without a taskbar the window is never hidden where nothing can bring it
// back; once the taskbar starts, minimising hides it again. Closing takes
// the icon and its window away.
TEST_F(OrganiserTray, FailedAddLeavesTheWindowOnTheTaskbar) {
  shell_.SetTaskbarRuns(false);
  StartWithTheOption();
  Minimise();
  EXPECT_TRUE(Shown());

  shell_.SetTaskbarRuns(true);
  SendMessageW(main_->hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(shell_.Holds(IconId()));
  ShowWindow(main_->hwnd(), SW_RESTORE);
  Minimise();
  EXPECT_FALSE(Shown());

  const HWND handler = HandlerWindow();
  const UINT id = IconId();
  SendMessageW(main_->hwnd(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(shell_.Holds(id));
  EXPECT_EQ(TTrayIconHandler::References(), 0);
  EXPECT_FALSE(IsWindow(handler));
}

}  // namespace
}  // namespace tovik
