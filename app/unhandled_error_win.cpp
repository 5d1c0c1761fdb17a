#include "app/unhandled_error_win.h"

#include <windows.h>

#include <utility>

#include "base/wide_text_win.h"

namespace tovik {

UnhandledErrorPath::UnhandledErrorPath(TzqLogging& log, std::wstring title)
    : log_(log), title_(std::move(title)) {}

void UnhandledErrorPath::Handle(std::string_view sender) noexcept {
  try {
    const ErrorDescription error = DescribeCurrentError();
    log_.Log({.Sender = std::string(sender), .Error = error});
    // A handler that fails again while its box is up (a paint handler, say)
    // is logged but gets no second box on top of the first.
    if (showing_) return;
    showing_ = true;
    MessageBoxW(GetActiveWindow(), Utf8ToWide(error.Message).c_str(), title_.c_str(),
                MB_OK | MB_ICONERROR);
    showing_ = false;
  } catch (...) {
    showing_ = false;
  }
}

}  // namespace tovik
