#pragma once
#include <string_view>

namespace tovik {

// Where an error goes that escaped one of the program's handlers. The
// program installs its path (log, then error box) for as long as it lives;
// the toolkit only knows this door, so it stays below the services.
class UnhandledErrorSink {
 public:
  UnhandledErrorSink(const UnhandledErrorSink&) = delete;
  UnhandledErrorSink& operator=(const UnhandledErrorSink&) = delete;
  virtual void Handle(std::string_view sender) noexcept = 0;

 protected:
  // Installs this sink; the one it replaces comes back when it is destroyed.
  UnhandledErrorSink();
  virtual ~UnhandledErrorSink();

 private:
  UnhandledErrorSink* previous_;
};

// Call inside a catch block wherever Windows calls into the program (window
// and dialog procedures, callbacks), with the name of the control or window
// whose handler failed, or empty when no named part of the program is involved.
void HandleUnhandledError(std::string_view sender) noexcept;

}  // namespace tovik
