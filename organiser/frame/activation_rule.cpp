#include "organiser/frame/activation_rule.h"

namespace tovik {

// Windows announces a change of the active application before it activates
// the window, so a window activation that follows one comes from outside,
// unless the window that lost the activation is one of ours (the About box
// that the user left for another program and then closed).
void ActivationRule::ApplicationActivated(bool active) {
  if (active) fromOtherApplication_ = true;
}

bool ActivationRule::WindowActivated(bool fromOwnWindow) {
  const bool run = !activatedBefore_ || fromOwnWindow || !fromOtherApplication_;
  activatedBefore_ = true;
  fromOtherApplication_ = false;
  return run;
}

}  // namespace tovik
