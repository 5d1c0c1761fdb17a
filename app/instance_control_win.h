#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/window_win.h"

namespace tovik {

// The instance identifiers: the guard window's text for each program.
inline constexpr wchar_t kOrganiserInstanceCaption[] = L"8A3F61D4-72C9-4B05-A6E8-2F19C5D07E3B";
inline constexpr wchar_t kReminderInstanceCaption[] = L"C41E9B27-0F53-4D78-B2A6-93E7D1586A0C";

// The messages between instances, sent to the other instance's guard window.
inline constexpr UINT kMsgIsSameKey = WM_USER + 2;  // LParam: global atom with the sender's key
inline constexpr UINT kMsgActivate = WM_USER + 3;

// The single-instance guard: a hidden window of the class
// "TzqWinFormInstanceControl", through which instances of one program find
// each other, compare their executables and raise each other.
class TzqWinFormInstanceControl : public ui::Window {
 public:
  // The window exists when the constructor returns, so other instances can
  // find it at once. `owner` is the program's main window, the one that
  // MsgActivate restores and brings to the front; the guard window is
  // destroyed with it. With checkNow, CheckInstances runs at once (with an
  // empty InstanceKey and MaxInstances 1).
  TzqWinFormInstanceControl(HWND owner, std::wstring caption, bool checkNow);

  void SetInstanceKey(std::wstring key) { instanceKey_ = std::move(key); }
  const std::wstring& InstanceKey() const { return instanceKey_; }
  // 0 means no limit; a negative value stores 0.
  void SetMaxInstances(int count) { maxInstances_ = count < 0 ? 0 : count; }
  int MaxInstances() const { return maxInstances_; }

  // Looks for other instances and settles IsFirstInstance. When this instance
  // must not run, it raises the others and posts the quit message, so the
  // program ends as soon as its message loop begins; the program should then
  // not show its main window.
  void CheckInstances();
  // Turns false when a check found that this instance must not run, never back.
  bool IsFirstInstance() const { return isFirstInstance_; }

  HWND Window() const { return hwnd(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static BOOL CALLBACK CollectMatch(HWND window, LPARAM self);
  LRESULT IsSameKey(ATOM keyAtom) const;
  void ActivateOwner() const;
  void FindOtherInstances();

  HWND owner_;
  std::wstring caption_;
  std::wstring instanceKey_;
  int maxInstances_ = 1;
  bool isFirstInstance_ = true;
  int matchCount_ = 0;
  std::vector<HWND> otherWindows_;
};

}  // namespace tovik
