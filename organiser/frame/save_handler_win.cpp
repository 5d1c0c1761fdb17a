#include "organiser/frame/save_handler_win.h"

#include "app/logging.h"
#include "app/logging_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {

void SaveHandler::SaveSections(StoreFile& file, OrganiserStore& store) {
  Save(file, store, &StoreFile::SaveSections);
}

void SaveHandler::SaveHeader(StoreFile& file, OrganiserStore& store) {
  Save(file, store, &StoreFile::SaveHeader);
}

// A copy that cannot be made is logged; the save goes on, for the typing
// matters more than the copy. A failed save leaves the file whole and the
// changes in memory, where the next save finds them.
void SaveHandler::Save(StoreFile& file, OrganiserStore& store, SaveStep step) {
  SaveResult result = (file.*step)(store, Overwrite::IfUnchanged);
  if (result.Outcome == SaveOutcome::ChangedElsewhere && KeepMyChanges(file)) {
    result = (file.*step)(store, Overwrite::Always);
  }
  if (result.BackupFailure) Log("DailyBackup", *result.BackupFailure, result.BackupFailure->what());
  if (result.Outcome == SaveOutcome::Written) {
    failureTold_ = false;
    if (args_.written) args_.written();
  }
  if (result.Outcome != SaveOutcome::Failed) return;
  const IoError& failure = *result.Failure;
  Log("StoreFile", failure, file.Path());
  // Told once until a save succeeds again: the saves that follow (each
  // return to the window commits and saves) would otherwise never let the
  // user go.
  if (unattended_ || failureTold_) return;
  failureTold_ = true;
  const std::wstring text = args_.text(Target::MsgSaveFailed) + L"\n\n" + Utf8ToWide(file.Path()) +
                            L"\n" + Utf8ToWide(failure.what());
  MessageBoxW(args_.owner, text.c_str(), L"Tovik", MB_OK | MB_ICONWARNING);
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
    Log("DailyBackup", e, e.what());
  }
  if (unattended_) return true;
  asking_ = true;
  const bool keepMine = args_.keepMyChanges
                            ? args_.keepMyChanges()
                            : MessageBoxW(args_.owner, args_.text(Target::MsgChangedOnDisk).c_str(),
                                          L"Tovik", MB_YESNO | MB_ICONWARNING) == IDYES;
  asking_ = false;
  if (keepMine) return true;
  reloadPending_ = true;
  args_.requestReload();
  return false;
}

void SaveHandler::Log(const char* sender, const IoError& error, const std::string& message) {
  args_.log->Log({.Sender = sender, .Error = DescribeError(error), .Message = message});
}

}  // namespace tovik
