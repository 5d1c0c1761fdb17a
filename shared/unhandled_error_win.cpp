#include "shared/unhandled_error_win.h"

#include <windows.h>

#include <utility>

#include "shared/wide_text_win.h"

namespace tovik {
namespace {

// Windows calls back through plain functions, so the path is found through
// this one pointer; all handlers run on the user-interface thread.
UnhandledErrorPath* currentPath = nullptr;

void ShowErrorBox(const std::wstring& title, const std::string& message) {
  MessageBoxW(GetActiveWindow(), Utf8ToWide(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace

UnhandledErrorPath::UnhandledErrorPath(TzqLogging& log, std::wstring title)
    : log_(log), title_(std::move(title)), previous_(currentPath) {
  currentPath = this;
}

UnhandledErrorPath::~UnhandledErrorPath() {
  currentPath = previous_;
}

void UnhandledErrorPath::Handle(std::string_view sender) noexcept {
  try {
    const ErrorDescription error = DescribeCurrentError();
    log_.Log({.Sender = std::string(sender), .Error = error});
    // A handler that fails again while its box is up (a paint handler, say)
    // is logged but gets no second box on top of the first.
    if (showing_) return;
    showing_ = true;
    ShowErrorBox(title_, error.Message);
    showing_ = false;
  } catch (...) {
    showing_ = false;
  }
}

void HandleUnhandledError(std::string_view sender) noexcept {
  if (currentPath != nullptr) {
    currentPath->Handle(sender);
    return;
  }
  // Before the program has set up its log: show the error, at least.
  try {
    ShowErrorBox(std::wstring(), DescribeCurrentError().Message);
  } catch (...) {
  }
}

}  // namespace tovik
