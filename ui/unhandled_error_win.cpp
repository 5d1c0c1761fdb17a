#include "ui/unhandled_error_win.h"

#include <windows.h>

#include <exception>

#include "base/wide_text_win.h"

namespace tovik {
namespace {

// Windows calls back through plain functions, so the sink is found through
// this one pointer; all handlers run on the user-interface thread.
UnhandledErrorSink* currentSink = nullptr;

}  // namespace

UnhandledErrorSink::UnhandledErrorSink() : previous_(currentSink) {
  currentSink = this;
}

UnhandledErrorSink::~UnhandledErrorSink() {
  currentSink = previous_;
}

void HandleUnhandledError(std::string_view sender) noexcept {
  if (currentSink != nullptr) {
    currentSink->Handle(sender);
    return;
  }
  // Before the program has set up its path: show the error, at least.
  try {
    throw;
  } catch (const std::exception& e) {
    MessageBoxW(GetActiveWindow(), Utf8ToWide(e.what()).c_str(), nullptr, MB_OK | MB_ICONERROR);
  } catch (...) {
  }
}

}  // namespace tovik
