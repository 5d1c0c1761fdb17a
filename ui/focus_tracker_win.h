#pragma once
#include <windows.h>

#include <functional>
#include <map>

namespace tovik::ui {

// The focus semantics of a top-level window. A control's exit handler (its
// commit) runs when the focus moves from it to another control of the same
// window; switching to another program, a message box or the About box does
// not run it, and coming back puts the focus back on the same control.
class FocusTracker {
 public:
  explicit FocusTracker(HWND window) : window_(window) {}
  ~FocusTracker();
  FocusTracker(const FocusTracker&) = delete;
  FocusTracker& operator=(const FocusTracker&) = delete;

  // `onExit` runs when the focus leaves `control`, or a window inside it, for
  // a control of the window outside it. Handlers that throw go to the
  // program's unhandled-error path.
  void SetExitHandler(HWND control, const char* name, std::function<void()> onExit);
  // A window inside a control with an exit handler (a grid's cell editor):
  // the control is left when the focus leaves this window for one outside.
  void Include(HWND inner);

  // The window's WM_ACTIVATE: remembers the focused control when the window
  // goes inactive and gives the focus back when it comes back.
  void WindowActivation(bool active);

  // The control that has (or, while the window is inactive, will get back)
  // the focus; null when none of the window's controls has it.
  HWND ActiveControl() const;

  // Runs the exit handler of the focused control without moving the focus:
  // its pending edit is stored before the window refills its controls.
  void CommitActiveControl();
  // True while CommitActiveControl runs an exit handler.
  bool Committing() const { return committing_; }

 private:
  struct Handler {
    const char* name;
    std::function<void()> onExit;
  };
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
  void RunExit(HWND control) const;
  bool BelongsToWindow(HWND other) const;
  // The control with an exit handler that holds the window, or null.
  HWND OwnerOf(HWND window) const;

  HWND window_;
  HWND savedFocus_ = nullptr;
  std::map<HWND, Handler> handlers_;
  bool committing_ = false;
};

}  // namespace tovik::ui
