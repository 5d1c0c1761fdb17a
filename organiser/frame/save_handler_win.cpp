#include "organiser/frame/save_handler_win.h"

#include "app/logging.h"
#include "app/logging_win.h"
#include "base/system_win.h"

namespace tovik {

void SaveHandler::SaveSections(StoreFile& file, OrganiserStore& store) {
  Save(file, store, &StoreFile::SaveSections);
}

void SaveHandler::SaveHeader(StoreFile& file, OrganiserStore& store) {
  Save(file, store, &StoreFile::SaveHeader);
}

// A copy that cannot be made is logged; the save goes on, for the typing
// matters more than the copy. A failed save leaves the file whole and the
// changes in memory, and raises the error as the store always has.
void SaveHandler::Save(StoreFile& file, OrganiserStore& store, SaveStep step) {
  SaveResult result = (file.*step)(store, Overwrite::IfUnchanged);
  if (result.Outcome == SaveOutcome::ChangedElsewhere && KeepMyChanges(file)) {
    result = (file.*step)(store, Overwrite::Always);
  }
  if (result.BackupFailure) {
    const IoError& e = *result.BackupFailure;
    args_.log->Log({.Sender = "DailyBackup", .Error = DescribeError(e), .Message = e.what()});
  }
  if (result.Outcome == SaveOutcome::Failed) throw *result.Failure;
  if (result.Outcome == SaveOutcome::Written && args_.written) args_.written();
}

// Another program wrote the data file after this one read or saved it. Its
// version is copied into the backup folder whatever the user answers; then
// the user keeps their changes (written over it) or takes the other version
// (loaded once the save that asked has returned). Saves that come while the
// question is open or the reload is pending write nothing.
bool SaveHandler::KeepMyChanges(StoreFile& file) {
  if (asking_ || reloadPending_) return false;
  try {
    file.CopyToBackups(DailyBackup::ChangedNameFor(LocalNow()));
  } catch (const IoError& e) {
    args_.log->Log({.Sender = "DailyBackup", .Error = DescribeError(e), .Message = e.what()});
  }
  asking_ = true;
  const bool keepMine = args_.keepMyChanges
                            ? args_.keepMyChanges()
                            : MessageBoxW(args_.owner, args_.question().c_str(), L"Tovik",
                                          MB_YESNO | MB_ICONWARNING) == IDYES;
  asking_ = false;
  if (keepMine) return true;
  reloadPending_ = true;
  args_.requestReload();
  return false;
}

}  // namespace tovik
