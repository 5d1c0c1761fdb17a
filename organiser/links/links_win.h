#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "organiser/links/links.h"
#include "organiser/links/telephony_win.h"

namespace tovik {

// Links and telephone dialling: the text selected in a note box when it
// loses the focus is remembered as a web or mail address or as a number,
// which the pages' buttons open or dial. The telephony line lives as long as
// the main window.
class LinksAndDialling {
 public:
  struct Seams {
    std::unique_ptr<Telephony> telephony;                         // the system's when null
    std::function<void(const std::string& address)> openAddress;  // through the shell
    std::function<void(Target message)> showMessage;              // in the current language
    std::function<void(const wchar_t* text)> showFixedMessage;    // the same in every language
  };
  explicit LinksAndDialling(Seams seams);
  ~LinksAndDialling();
  LinksAndDialling(const LinksAndDialling&) = delete;
  LinksAndDialling& operator=(const LinksAndDialling&) = delete;

  // Opens the telephony line; true when a line is open, so that the dial
  // buttons show.
  bool OpenTelephonyLine();
  void CloseTelephonyLine();

  void RememberSelection(std::string_view selected);
  // Forgets the remembered link and number.
  void ClearRemembered();

  void OpenRememberedLink();
  void DialRememberedNumber();

  // What the telephony service reports on the calls (TelephonyCallback).
  void OnCallState(HCALL call, DWORD state);

 private:
  Seams seams_;
  RememberedSelection remembered_;
  LINECALLPARAMS params_{};
  HLINEAPP app_ = 0;
  HLINE line_ = 0;
  HCALL call_ = 0;
};

}  // namespace tovik
