#include "shared/instance_control_win.h"

#include <string_view>

#include "shared/unhandled_error_win.h"

namespace tovik {
namespace {

// Part of the protocol between instances: they find each other by this name.
constexpr wchar_t kGuardClassName[] = L"TzqWinFormInstanceControl";
// Class names, window texts and atom texts are read up to this many characters.
constexpr int kTextLimit = 254;

void RegisterGuardClass(WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, kGuardClassName, &windowClass)) return;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kGuardClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

TzqWinFormInstanceControl::TzqWinFormInstanceControl(HWND owner, std::wstring caption,
                                                     bool checkNow)
    : owner_(owner), caption_(std::move(caption)) {
  RegisterGuardClass(WindowProc);
  // Never shown: borderless, disabled, at (-1, -1) with no size.
  CreateWindowExW(WS_EX_TOOLWINDOW, kGuardClassName, caption_.c_str(), WS_POPUP | WS_DISABLED, -1,
                  -1, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (checkNow) CheckInstances();
}

TzqWinFormInstanceControl::~TzqWinFormInstanceControl() {
  if (window_ != nullptr) DestroyWindow(window_);
}

std::wstring TzqWinFormInstanceControl::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

LRESULT CALLBACK TzqWinFormInstanceControl::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TzqWinFormInstanceControl*>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self =
      reinterpret_cast<TzqWinFormInstanceControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    try {
      switch (message) {
        case kMsgIsSameKey:
          return self->IsSameKey(static_cast<ATOM>(lParam));
        case kMsgActivate:
          self->ActivateOwner();
          return 0;
        case WM_NCDESTROY:
          // Destroyed with its owner: the object must not destroy it again.
          self->window_ = nullptr;
          SetWindowLongPtrW(window, GWLP_USERDATA, 0);
          break;
      }
    } catch (...) {
      HandleUnhandledError("zqWinFormInstanceControl");
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
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
  wchar_t text[kTextLimit + 1];
  const int classLength = GetClassNameW(window, className, kTextLimit + 1);
  const int textLength = GetWindowTextW(window, text, kTextLimit + 1);
  if (std::wstring_view(className, classLength) != kGuardClassName) return TRUE;
  if (std::wstring_view(text, textLength).find(self->caption_) == std::wstring_view::npos) {
    return TRUE;
  }
  ++self->matchCount_;
  if (window != self->window_) self->otherWindows_.push_back(window);
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
