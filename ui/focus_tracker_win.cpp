#include "ui/focus_tracker_win.h"

#include <commctrl.h>

#include "ui/unhandled_error_win.h"

namespace tovik::ui {

namespace {
constexpr UINT_PTR kSubclassId = 0x7F0C;
}

FocusTracker::~FocusTracker() {
  for (const auto& [control, handler] : handlers_) {
    if (IsWindow(control)) RemoveWindowSubclass(control, ControlProc, kSubclassId);
  }
}

void FocusTracker::SetExitHandler(HWND control, const char* name, std::function<void()> onExit) {
  handlers_[control] = Handler{name, std::move(onExit)};
  SetWindowSubclass(control, ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void FocusTracker::Include(HWND inner) {
  SetWindowSubclass(inner, ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

HWND FocusTracker::OwnerOf(HWND window) const {
  for (HWND w = window; w != nullptr && w != window_; w = GetParent(w)) {
    if (handlers_.count(w)) return w;
  }
  return nullptr;
}

bool FocusTracker::BelongsToWindow(HWND other) const {
  return other != nullptr && GetAncestor(other, GA_ROOT) == window_;
}

void FocusTracker::RunExit(HWND control) const {
  const auto found = handlers_.find(control);
  if (found == handlers_.end()) return;
  try {
    found->second.onExit();
  } catch (...) {
    HandleUnhandledError(found->second.name);
  }
}

LRESULT CALLBACK FocusTracker::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR selfParam) {
  auto* self = reinterpret_cast<FocusTracker*>(selfParam);
  const auto gaining = reinterpret_cast<HWND>(wParam);
  if (message == WM_KILLFOCUS && self->BelongsToWindow(gaining)) {
    // The control loses the focus first, so the commit sees it as it was.
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    const HWND owner = self->OwnerOf(control);
    if (owner != nullptr && self->OwnerOf(gaining) != owner) self->RunExit(owner);
    return result;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, ControlProc, kSubclassId);
    self->handlers_.erase(control);
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

void FocusTracker::WindowActivation(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (BelongsToWindow(focus) && focus != window_) savedFocus_ = focus;
    return;
  }
  if (savedFocus_ != nullptr && IsWindow(savedFocus_)) SetFocus(savedFocus_);
}

HWND FocusTracker::ActiveControl() const {
  const HWND focus = GetFocus();
  if (BelongsToWindow(focus) && focus != window_) return focus;
  return GetActiveWindow() == window_ ? nullptr : savedFocus_;
}

void FocusTracker::CommitActiveControl() {
  const HWND owner = OwnerOf(ActiveControl());
  if (owner == nullptr) return;
  committing_ = true;
  RunExit(owner);
  committing_ = false;
}

}  // namespace tovik::ui
