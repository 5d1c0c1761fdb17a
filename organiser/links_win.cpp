#include "organiser/links_win.h"

namespace tovik {

// No telephony service is asked yet: without a line the dial buttons stay
// hidden, as on a computer without telephony devices.
bool LinksAndDialling::OpenTelephonyLine() {
  return false;
}

void LinksAndDialling::CloseTelephonyLine() {}

void LinksAndDialling::ClearRemembered() {
  rememberedLink_.clear();
  rememberedNumber_.clear();
}

}  // namespace tovik
