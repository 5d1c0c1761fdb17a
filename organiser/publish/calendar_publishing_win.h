#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "organiser/frame/commands.h"
#include "organiser/publish/calendar_publisher_win.h"

namespace tovik {

class TzqLogging;

// The organiser's part that publishes the diary and the periodic events to
// a calendar server: the "Calendar server…" command, and a publish after
// every save that wrote the file.
class CalendarPublishing {
 public:
  struct Args {
    HWND owner = nullptr;
    TzqLogging* log = nullptr;
    std::function<std::wstring(Target)> text;
    std::function<const OrganiserStore&()> store;
  };
  explicit CalendarPublishing(Args args) : args_(std::move(args)) {}

  // Reads the settings and publishes what a former run left, once the data
  // folder is known and the window shows.
  void Start(const std::string& dataRoot);
  // The store has changed on disk: its calendar is published.
  void StoreChanged();
  // True when the command was the publishing's.
  bool OnCommand(Command command);
  // Leaves what is in flight for the next start.
  void Stop();

 private:
  Args args_;
  CalendarServerSettings settings_;
  std::unique_ptr<CalendarPublisher> publisher_;
};

}  // namespace tovik
