#pragma once
#include <string>
#include <string_view>

#include "app/logging_win.h"
#include "ui/unhandled_error_win.h"

namespace tovik {

// The program's answer to an error that escaped one of its handlers
// (ApplicationEvents): the error is logged with its sender, then shown in the
// standard error box titled with the program's title, and the program goes
// on. One per program, living as long as its log; it is the path that
// HandleUnhandledError takes while it exists.
class UnhandledErrorPath : public UnhandledErrorSink {
 public:
  UnhandledErrorPath(TzqLogging& log, std::wstring title);
  void Handle(std::string_view sender) noexcept override;

 private:
  TzqLogging& log_;
  std::wstring title_;
  bool showing_ = false;
};

}  // namespace tovik
