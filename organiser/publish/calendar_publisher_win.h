#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "organiser/publish/calendar_settings_win.h"
#include "store/organiser_store.h"

namespace tovik {

class TzqLogging;

// A copy of what the calendar shows, taken on the window's thread.
struct PublishSnapshot {
  std::vector<AppointmentEntry> Slots{};
  std::vector<PeriodicEvent> Events{};
  int32_t Today = 0;
};
PublishSnapshot SnapshotOf(const OrganiserStore& store);

// The last outcome, as the dialog shows it.
struct PublishStatus {
  enum class Kind { Nothing, Published, Failed } Kind = Kind::Nothing;
  bool Busy = false;
  SYSTEMTIME When{};  // local time of the last publish that succeeded
  size_t Items = 0;
  std::string Failure;  // "401 Unauthorized"
};

// Publishes in a thread of its own, so that typing, saving and quitting
// never wait for the network. Snapshots that come in a burst are published
// once, a second after the last of them; a failed publish is tried again
// after a growing pause, with the newest snapshot.
class CalendarPublisher {
 public:
  // `statePath`: the file that remembers what the server holds.
  CalendarPublisher(TzqLogging& log, std::string statePath);
  // Leaves a publish in flight for the next start; see Stop.
  ~CalendarPublisher();
  CalendarPublisher(const CalendarPublisher&) = delete;
  CalendarPublisher& operator=(const CalendarPublisher&) = delete;

  // New settings; a publish that waits after failures is tried at once.
  void Configure(const CalendarServerSettings& settings);
  void Publish(PublishSnapshot snapshot);
  PublishStatus Status() const;
  // Ends the worker without waiting for the network: after this the worker
  // touches nothing outside itself, and one busy with a request is left to
  // end with the process.
  void Stop();

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace tovik
