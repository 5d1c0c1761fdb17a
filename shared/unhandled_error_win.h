#pragma once
#include <string>
#include <string_view>

#include "shared/logging_win.h"

namespace tovik {

// The program's answer to an error that escaped one of its handlers
// (ApplicationEvents): the error is logged with its sender, then shown in the
// standard error box titled with the program's title, and the program goes
// on. One per program, living as long as its log; it is the path that
// HandleUnhandledError takes while it exists.
class UnhandledErrorPath {
 public:
  UnhandledErrorPath(TzqLogging& log, std::wstring title);
  ~UnhandledErrorPath();
  UnhandledErrorPath(const UnhandledErrorPath&) = delete;
  UnhandledErrorPath& operator=(const UnhandledErrorPath&) = delete;

  void Handle(std::string_view sender) noexcept;

 private:
  TzqLogging& log_;
  std::wstring title_;
  bool showing_ = false;
  UnhandledErrorPath* previous_;
};

// Call inside a catch block wherever Windows calls into the program (window
// and dialog procedures, callbacks), with the name of the control or window
// whose handler failed, or empty when no named part of the program is involved.
void HandleUnhandledError(std::string_view sender) noexcept;

}  // namespace tovik
