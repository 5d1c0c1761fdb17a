#include "organiser/publish/calendar_publishing_win.h"

#include "app/logging_win.h"
#include "base/system_win.h"
#include "organiser/publish/calendar_server_dialog_win.h"
#include "organiser/publish/published_state.h"

namespace tovik {

void CalendarPublishing::Start(const std::string& dataRoot) {
  publisher_ = std::make_unique<CalendarPublisher>(*args_.log,
                                                   dataRoot + std::string(kPublishedStateFileName));
  settings_ = ReadCalendarServerSettings();
  publisher_->Configure(settings_);
  StoreChanged();
}

void CalendarPublishing::StoreChanged() {
  if (publisher_ && settings_.Publish) publisher_->Publish(SnapshotOf(args_.store()));
}

// New settings are kept and published at once; a password that the
// Credential Manager refuses is logged, and the publish uses it for this run.
bool CalendarPublishing::OnCommand(Command command) {
  if (command != Command::CalendarServer || !publisher_) return command == Command::CalendarServer;
  const std::optional<CalendarServerSettings> chosen = CalendarServerDialog::Run(
      {.owner = args_.owner, .text = args_.text, .settings = settings_, .status = [this] {
         return publisher_->Status();
       }});
  if (!chosen) return true;
  if (!WriteCalendarServerSettings(*chosen)) {
    args_.log->Log(
        {.Sender = "CalendarServer",
         .Message = "The password could not be stored: " + SystemErrorText(GetLastError())});
  }
  settings_ = *chosen;
  publisher_->Configure(settings_);
  StoreChanged();
  return true;
}

void CalendarPublishing::Stop() {
  if (publisher_) publisher_->Stop();
}

}  // namespace tovik
