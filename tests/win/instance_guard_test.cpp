// The single-instance guard and the install mutex between two processes in one
// Wine prefix: this test starts the guard helper as the running "first
// instance", then plays the second start.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/install_mutex_win.h"
#include "app/instance_control_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {
namespace {

namespace fs = std::filesystem;

// The running first instance, in a process of its own: the guard helper.
class FirstInstance {
 public:
  struct Options {
    const wchar_t* caption = kOrganiserInstanceCaption;
    bool minimised = false;
    std::wstring key = Utf8ToWide(ExecutablePath());  // another program's key: another folder
  };

  explicit FirstInstance(const Options& options) {
    static int count = 0;
    const std::wstring tag = L"TovikGuardTest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                             std::to_wstring(++count);
    title_ = tag + L" main window";
    ready_ = CreateEventW(nullptr, TRUE, FALSE, (tag + L"_ready").c_str());
    stop_ = CreateEventW(nullptr, TRUE, FALSE, (tag + L"_stop").c_str());
    std::wstring command = L"guard_instance_helper.exe " + tag + L" " + options.caption + L" " +
                           (options.minimised ? L"1" : L"0") + L" \"" + options.key + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      return;
    }
    const HANDLE waitFor[] = {ready_, process_.hProcess};
    if (WaitForMultipleObjects(2, waitFor, FALSE, 60000) == WAIT_OBJECT_0) {
      mainWindow_ = FindWindowW(L"GuardTestMainWindow", title_.c_str());
    }
  }

  ~FirstInstance() {
    if (process_.hProcess != nullptr) {
      Stop();
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
    CloseHandle(ready_);
    CloseHandle(stop_);
  }

  HWND MainWindow() const { return mainWindow_; }

  // Ends the first instance; its own checks decide the exit code.
  DWORD Stop() {
    SetEvent(stop_);
    if (WaitForSingleObject(process_.hProcess, 30000) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
    }
    DWORD code = 99;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  std::wstring title_;
  HANDLE ready_;
  HANDLE stop_;
  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

// Takes the quit message a failed check posts; true when there was one.
bool TakeQuitMessage() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// The organiser's steps: an immediate check, then the key check.
bool OrganiserMayRun() {
  TzqWinFormInstanceControl guard(nullptr, kOrganiserInstanceCaption, true);
  guard.SetInstanceKey(Utf8ToWide(ExecutablePath()));
  guard.SetMaxInstances(0);
  guard.CheckInstances();
  return guard.IsFirstInstance();
}

// The reminder's steps: only the key check.
bool ReminderMayRun() {
  TzqWinFormInstanceControl guard(nullptr, kReminderInstanceCaption, false);
  guard.SetInstanceKey(Utf8ToWide(ExecutablePath()));
  guard.SetMaxInstances(0);
  guard.CheckInstances();
  return guard.IsFirstInstance();
}

// The key of the same program installed in another folder.
std::wstring OtherFolderKey() {
  return Utf8ToWide((fs::current_path() / "other install" / "instance_guard_test.exe").string());
}

TEST(InstanceGuard, GuardWindowIsHiddenDisabledAndOwnedByTheMainWindow) {
  FirstInstance first({});
  ASSERT_NE(first.MainWindow(), nullptr);
  const HWND guard = FindWindowW(L"TzqWinFormInstanceControl", kOrganiserInstanceCaption);
  ASSERT_NE(guard, nullptr);
  EXPECT_FALSE(IsWindowVisible(guard));
  EXPECT_FALSE(IsWindowEnabled(guard));
  EXPECT_EQ(GetWindow(guard, GW_OWNER), first.MainWindow());
  RECT place;
  GetWindowRect(guard, &place);
  EXPECT_EQ(place.left, -1);
  EXPECT_EQ(place.top, -1);
  EXPECT_EQ(place.right - place.left, 0);
  EXPECT_EQ(place.bottom - place.top, 0);
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, IsSameKeyComparesTheAtomTextExactly) {
  FirstInstance first({});
  const HWND guard = FindWindowW(L"TzqWinFormInstanceControl", kOrganiserInstanceCaption);
  ASSERT_NE(guard, nullptr);
  std::wstring sameKey = Utf8ToWide(ExecutablePath());
  std::wstring otherCase = sameKey;
  for (wchar_t& c : otherCase) c = static_cast<wchar_t>(towlower(c));
  ASSERT_NE(otherCase, sameKey);
  const struct {
    std::wstring key;
    LRESULT expected;
  } cases[] = {
      {sameKey, 1},
      {otherCase, 0},
      {sameKey + L"x", 0},
      {sameKey.substr(0, sameKey.size() - 1), 0},
  };
  for (const auto& c : cases) {
    const ATOM atom = GlobalAddAtomW(c.key.c_str());
    ASSERT_NE(atom, 0);
    EXPECT_EQ(SendMessageW(guard, kMsgIsSameKey, 0, atom), c.expected);
    GlobalDeleteAtom(atom);
  }
  // An atom that names nothing matches nothing.
  EXPECT_EQ(SendMessageW(guard, kMsgIsSameKey, 0, 0), 0);
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, SecondOrganiserRestoresAndRaisesTheMinimisedFirstAndEnds) {
  FirstInstance first({.minimised = true});
  ASSERT_NE(first.MainWindow(), nullptr);
  ASSERT_TRUE(IsIconic(first.MainWindow()));
  EXPECT_FALSE(OrganiserMayRun());
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_FALSE(IsIconic(first.MainWindow()));
  EXPECT_TRUE(IsWindowVisible(first.MainWindow()));
  EXPECT_EQ(GetForegroundWindow(), first.MainWindow());
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, SecondOrganiserRaisesTheFirstFromBehindAnotherWindow) {
  FirstInstance first({});
  ASSERT_NE(first.MainWindow(), nullptr);
  const HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW, 50, 50,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(other, SW_SHOW);
  SetForegroundWindow(other);
  EXPECT_FALSE(OrganiserMayRun());
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_EQ(GetForegroundWindow(), first.MainWindow());
  DestroyWindow(other);
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, OrganiserOfAnotherFolderStillEndsAndRaisesTheRunningOne) {
  FirstInstance first({.minimised = true, .key = OtherFolderKey()});
  ASSERT_NE(first.MainWindow(), nullptr);
  EXPECT_FALSE(OrganiserMayRun());
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_FALSE(IsIconic(first.MainWindow()));
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, SecondReminderOfTheSameExecutableEnds) {
  FirstInstance first({.caption = kReminderInstanceCaption, .minimised = true});
  ASSERT_NE(first.MainWindow(), nullptr);
  EXPECT_FALSE(ReminderMayRun());
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_FALSE(IsIconic(first.MainWindow()));
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, RemindersOfTwoFoldersRunSideBySide) {
  FirstInstance first(
      {.caption = kReminderInstanceCaption, .minimised = true, .key = OtherFolderKey()});
  ASSERT_NE(first.MainWindow(), nullptr);
  EXPECT_TRUE(ReminderMayRun());
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_TRUE(IsIconic(first.MainWindow())) << "a reminder of another folder was raised";
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(InstanceGuard, OrganiserAndReminderDoNotSeeEachOther) {
  {
    FirstInstance organiser({.minimised = true});
    ASSERT_NE(organiser.MainWindow(), nullptr);
    EXPECT_TRUE(ReminderMayRun());
    EXPECT_TRUE(IsIconic(organiser.MainWindow()));
    EXPECT_EQ(organiser.Stop(), 0u);
  }
  {
    FirstInstance reminder({.caption = kReminderInstanceCaption, .minimised = true});
    ASSERT_NE(reminder.MainWindow(), nullptr);
    EXPECT_TRUE(OrganiserMayRun());
    EXPECT_TRUE(IsIconic(reminder.MainWindow()));
    EXPECT_EQ(reminder.Stop(), 0u);
  }
  EXPECT_FALSE(TakeQuitMessage());
}

TEST(InstanceGuard, GuardWindowGoesWithItsOwner) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr);
  TzqWinFormInstanceControl guard(owner, kReminderInstanceCaption, false);
  const HWND window = guard.Window();
  ASSERT_TRUE(IsWindow(window));
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(guard.Window(), nullptr);
}

TEST(InstallMutex, FirstProgramOwnsItUntilItEnds) {
  {
    const InstallMutex first;
    EXPECT_TRUE(first.HoldsHandle());
    const InstallMutex second;  // the other program, started meanwhile
    EXPECT_FALSE(second.HoldsHandle());
  }
  EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, kInstallMutexName), nullptr);
}

TEST(InstallMutex, ProgramStartedWhileAnotherRunsHoldsNothing) {
  FirstInstance running({.caption = kReminderInstanceCaption});
  ASSERT_NE(running.MainWindow(), nullptr);
  {
    const InstallMutex mutex;
    EXPECT_FALSE(mutex.HoldsHandle());
  }
  // Still there while its owner runs, gone when the owner ends, even though
  // this program still runs.
  const HANDLE whileRunning = OpenMutexW(SYNCHRONIZE, FALSE, kInstallMutexName);
  EXPECT_NE(whileRunning, nullptr);
  if (whileRunning) CloseHandle(whileRunning);
  EXPECT_EQ(running.Stop(), 0u);
  EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, kInstallMutexName), nullptr);
}

}  // namespace
}  // namespace tovik
