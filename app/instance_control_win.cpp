#include "app/instance_control_win.h"

#include <string_view>

#include "ui/unhandled_error_win.h"

namespace tovik {
namespace {

// Part of the protocol between instances: they find each other by this name.
constexpr wchar_t kGuardClassName[] = L"TzqWinFormInstanceControl";
// Class names, window texts and atom texts are read up to this many characters.
constexpr int kTextLimit = 254;

}  // namespace

TzqWinFormInstanceControl::TzqWinFormInstanceControl(HWND owner, std::wstring caption,
                                                     bool checkNow)
    : owner_(owner), caption_(std::move(caption)) {
  // Never shown: borderless, disabled, at (-1, -1) with no size. It is
  // destroyed with its owner.
  CreateOwnWindow({.className = kGuardClassName,
                   .name = "zqWinFormInstanceControl",
                   .style = WS_POPUP | WS_DISABLED,
                   .exStyle = WS_EX_TOOLWINDOW,
                   .parent = owner,
                   .bounds = {-1, -1, -1, -1},
                   .text = caption_.c_str()});
  if (checkNow) CheckInstances();
}

LRESULT TzqWinFormInstanceControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgIsSameKey:
      return IsSameKey(static_cast<ATOM>(lParam));
    case kMsgActivate:
      ActivateOwner();
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

LRESULT TzqWinFormInstanceControl::IsSameKey(ATOM keyAtom) const {
  wchar_t text[kTextLimit + 1];
  const UINT length = GlobalGetAtomNameW(keyAtom, text, kTextLimit + 1);
  // An atom that cannot be read names no executable, so it matches nothing.
  if (length == 0) return 0;
  return std::wstring_view(text, length) == instanceKey_ ? 1 : 0;
}

// Restores the program from the minimised state (or from being hidden, as in
// the notification area) and brings its main window to the front.
void TzqWinFormInstanceControl::ActivateOwner() const {
  if (owner_ == nullptr) return;
  if (IsIconic(owner_) || !IsWindowVisible(owner_)) ShowWindow(owner_, SW_RESTORE);
  SetForegroundWindow(owner_);
}

BOOL CALLBACK TzqWinFormInstanceControl::CollectMatch(HWND window, LPARAM selfParam) {
  auto* self = reinterpret_cast<TzqWinFormInstanceControl*>(selfParam);
  wchar_t className[kTextLimit + 1];
  const int classLength = GetClassNameW(window, className, kTextLimit + 1);
  if (std::wstring_view(className, classLength) != kGuardClassName) return TRUE;
  wchar_t text[kTextLimit + 1];
  const int textLength = GetWindowTextW(window, text, kTextLimit + 1);
  if (std::wstring_view(text, textLength).find(self->caption_) == std::wstring_view::npos) {
    return TRUE;
  }
  ++self->matchCount_;
  if (window != self->hwnd()) self->otherWindows_.push_back(window);
  return TRUE;
}

void TzqWinFormInstanceControl::FindOtherInstances() {
  matchCount_ = 0;
  otherWindows_.clear();
  EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(this));
  for (const HWND other : otherWindows_) {
    if (!isFirstInstance_) break;
    const ATOM keyAtom = GlobalAddAtomW(instanceKey_.c_str());
    const LRESULT same = SendMessageW(other, kMsgIsSameKey, 0, keyAtom);
    if (keyAtom != 0) GlobalDeleteAtom(keyAtom);
    if (same != 0) isFirstInstance_ = false;
  }
  if (isFirstInstance_ && maxInstances_ != 0 && maxInstances_ < matchCount_) {
    isFirstInstance_ = false;
  }
}

void TzqWinFormInstanceControl::CheckInstances() {
  FindOtherInstances();
  if (!otherWindows_.empty() && !isFirstInstance_) {
    for (const HWND other : otherWindows_) {
      // The running instance may take the foreground only if we hand it over.
      DWORD processId = 0;
      GetWindowThreadProcessId(other, &processId);
      AllowSetForegroundWindow(processId);
      SendMessageW(other, kMsgActivate, 0, 0);
    }
  }
  otherWindows_.clear();
  if (!isFirstInstance_) PostQuitMessage(0);
}

}  // namespace tovik
