#pragma once

namespace tovik {

// Decides when the main window's activation steps run: at its first
// activation, and whenever it becomes active again from another window of the
// organiser (a message box, the About box), but not when the user comes back
// from another application. Fed with the window's WM_ACTIVATEAPP and
// WM_ACTIVATE notifications in the order they arrive.
class ActivationRule {
 public:
  // The application became active (true) or inactive (false).
  void ApplicationActivated(bool active);
  // The window became active; `fromOwnWindow` when the window that lost the
  // activation belongs to the organiser. True when the activation steps run.
  bool WindowActivated(bool fromOwnWindow);

 private:
  bool activatedBefore_ = false;
  bool fromOtherApplication_ = false;
};

}  // namespace tovik
