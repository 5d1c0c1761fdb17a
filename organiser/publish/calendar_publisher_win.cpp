#include "organiser/publish/calendar_publisher_win.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "app/logging.h"
#include "app/logging_win.h"
#include "base/day_number.h"
#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "organiser/publish/dav_xml.h"
#include "organiser/publish/publish_run.h"
#include "organiser/publish/winhttp_transport_win.h"

namespace tovik {

using Clock = std::chrono::steady_clock;

namespace {

// Saves within this time of each other are published together, but none
// waits longer than the longest delay after the first.
constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr auto kLongestDelay = std::chrono::seconds(5);
constexpr char kSender[] = "CalendarPublisher";

std::string StampNow() {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  return ICalendarStamp(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond);
}

}  // namespace

// What the window's thread and the worker share; the worker holds it too,
// so a worker left running at the end of the program finds it whole.
struct CalendarPublisher::Shared {
  TzqLogging* log = nullptr;
  std::string statePath;
  mutable std::mutex lock;
  std::condition_variable wake;
  std::atomic<bool> stop = false;
  CalendarServerSettings settings;
  bool settingsChanged = false;
  std::optional<PublishSnapshot> pending;
  Clock::time_point firstPending, lastPending, notBefore;
  PublishStatus status;
  std::string lastLogged;  // the failure logged last: one record for failures in a row
  // New settings, or a failure before: the next publish asks the server
  // even when nothing changed, so that it does not claim what it cannot know.
  bool verify = false;

  void Run();
  // Waits for a snapshot that is due; false when the worker is to end.
  bool TakeDue(PublishSnapshot& snapshot, CalendarServerSettings& settings, bool& changed);
  PublishOutcome PublishOnce(const PublishSnapshot& snapshot,
                             const CalendarServerSettings& settings, bool changed);
  void Finish(const PublishOutcome& outcome, PublishSnapshot& snapshot);

  // The worker's own.
  std::unique_ptr<WinHttpTransport> http;
  std::optional<PublishedState> state;
  bool stateRead = false;
  BackOff backOff;
};

// A copy, taken on the window's thread; the worker picks the diary's days.
PublishSnapshot SnapshotOf(const OrganiserStore& store) {
  return {.Slots = store.AppointmentSlots,
          .Events = store.EventSlots,
          .Today = DayNumberFromDate(LocalToday())};
}

CalendarPublisher::CalendarPublisher(TzqLogging& log, std::string statePath)
    : shared_(std::make_shared<Shared>()) {
  shared_->log = &log;
  shared_->statePath = std::move(statePath);
}

CalendarPublisher::~CalendarPublisher() {
  Stop();
}

void CalendarPublisher::Configure(const CalendarServerSettings& settings) {
  const std::lock_guard guard(shared_->lock);
  shared_->settings = settings;
  shared_->settingsChanged = true;
  shared_->notBefore = {};
  shared_->wake.notify_one();
}

// The worker starts with the first snapshot, so that a start-up without a
// calendar server pays nothing.
void CalendarPublisher::Publish(PublishSnapshot snapshot) {
  {
    const std::lock_guard guard(shared_->lock);
    if (shared_->stop) return;
    const Clock::time_point now = Clock::now();
    if (!shared_->pending) shared_->firstPending = now;
    shared_->lastPending = now;
    shared_->pending = std::move(snapshot);
    shared_->wake.notify_one();
  }
  if (!worker_.joinable()) worker_ = std::thread([shared = shared_] { shared->Run(); });
}

PublishStatus CalendarPublisher::Status() const {
  const std::lock_guard guard(shared_->lock);
  return shared_->status;
}

void CalendarPublisher::Stop() {
  bool busy = false;
  {
    const std::lock_guard guard(shared_->lock);
    shared_->stop = true;
    busy = shared_->status.Busy;
    shared_->wake.notify_one();
  }
  if (!worker_.joinable()) return;
  if (busy) {
    worker_.detach();
  } else {
    worker_.join();
  }
}

void CalendarPublisher::Shared::Run() {
  for (;;) {
    PublishSnapshot snapshot;
    CalendarServerSettings current;
    bool changed = false;
    if (!TakeDue(snapshot, current, changed)) return;
    PublishOutcome outcome;
    try {
      outcome = PublishOnce(snapshot, current, changed);
    } catch (const std::exception& e) {
      outcome.Failure = DescribeError(e).Message;
    }
    const std::lock_guard guard(lock);
    if (stop) return;
    Finish(outcome, snapshot);
  }
}

bool CalendarPublisher::Shared::TakeDue(PublishSnapshot& snapshot, CalendarServerSettings& current,
                                        bool& changed) {
  std::unique_lock guard(lock);
  status.Busy = false;
  for (;;) {
    if (stop) return false;
    if (pending && settings.Publish) {
      const Clock::time_point due =
          std::max(std::min(lastPending + kQuietTime, firstPending + kLongestDelay), notBefore);
      if (Clock::now() >= due) break;
      wake.wait_until(guard, due);
    } else {
      wake.wait(guard);
    }
  }
  snapshot = std::move(*pending);
  pending.reset();
  current = settings;
  changed = settingsChanged;
  verify = verify || changed;
  settingsChanged = false;
  status.Busy = true;
  return true;
}

PublishOutcome CalendarPublisher::Shared::PublishOnce(const PublishSnapshot& snapshot,
                                                      const CalendarServerSettings& current,
                                                      bool changed) {
  if (changed) backOff.Reset();
  if (!http || changed) http = std::make_unique<WinHttpTransport>(current.User, current.Password);
  Win32FileSystem fs;
  if (!stateRead) {
    stateRead = true;
    if (fs.FileExists(statePath)) {
      state = ParsePublishedState(ReadWholeFile(*fs.Open(statePath, OpenMode::ExistingRead)));
    }
  }
  const ICalendarSource source{.Slots = snapshot.Slots,
                               .Events = snapshot.Events,
                               .Today = snapshot.Today,
                               .Stamp = StampNow(),
                               .ToUtf8 = AnsiToUtf8};
  const PublishJob job{.Collection = WideToUtf8(current.Url),
                       .Items = ICalendarItems(source),
                       .Stamp = source.Stamp,
                       .Verify = verify};
  // A state that cannot be written is learnt again from the server next time.
  const auto saveState = [&] {
    if (stop || !state) return;
    try {
      const std::string text = FormatPublishedState(*state);
      ReplaceFileContent(fs, statePath, [&](BufferedFileWriter& out) { out.Append(text); });
    } catch (const IoError&) {
    }
  };
  return PublishChanges(*http, job, state, saveState, [this] { return stop.load(); });
}

// Holds the lock. A failure keeps the snapshot for the next try, unless a
// newer one came meanwhile.
void CalendarPublisher::Shared::Finish(const PublishOutcome& outcome, PublishSnapshot& snapshot) {
  verify = !outcome.Published;
  if (outcome.Published) {
    backOff.Reset();
    status.Kind = PublishStatus::Kind::Published;
    GetLocalTime(&status.When);
    status.Items = outcome.Items;
    if (!lastLogged.empty()) {
      log->Log({.Sender = kSender,
                .Message = "Published again: " + WithoutCredentials(WideToUtf8(settings.Url))});
    }
    lastLogged.clear();
    return;
  }
  if (!pending) {
    pending = std::move(snapshot);
    firstPending = lastPending = Clock::now();
  }
  notBefore = Clock::now() + backOff.Next();
  status.Kind = PublishStatus::Kind::Failed;
  status.Failure = outcome.Failure;
  if (outcome.Failure != lastLogged) {
    const std::string url =
        outcome.FailedUrl.empty() ? WideToUtf8(settings.Url) : outcome.FailedUrl;
    log->Log({.Sender = kSender, .Message = WithoutCredentials(url) + ": " + outcome.Failure});
  }
  lastLogged = outcome.Failure;
}

}  // namespace tovik
