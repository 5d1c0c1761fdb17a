#pragma once
#include <windows.h>

#include <string>

namespace tovik {

// Links and telephone dialling: the text selected in a note box when it
// loses the focus is remembered as a web or mail address or as a number,
// which the pages' buttons open or dial. The telephony line lives as long as
// the main window.
class LinksAndDialling {
 public:
  // Opens the telephony line; true when a line is open, so that the dial
  // buttons show.
  bool OpenTelephonyLine();
  void CloseTelephonyLine();
  // Forgets the remembered link and number.
  void ClearRemembered();

  const std::string& RememberedLink() const { return rememberedLink_; }
  const std::string& RememberedNumber() const { return rememberedNumber_; }

 private:
  std::string rememberedLink_;
  std::string rememberedNumber_;
};

}  // namespace tovik
