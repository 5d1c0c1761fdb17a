#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "organiser/languages/targets.h"
#include "store/store_file.h"

namespace tovik {

class TzqLogging;

// Saves the store through the data file and decides what the user is told
// of the result: a day's copy that failed is logged; a file that another
// program wrote since is kept and the user asked whose version stays; a
// failed save is told in the user's language, the typing staying in memory
// for the next save.
class SaveHandler {
 public:
  struct Args {
    HWND owner = nullptr;
    TzqLogging* log = nullptr;
    // A message text in the current language.
    std::function<std::wstring(Target)> text;
    // Keeps the user's changes (true) or takes the other version; asks the
    // user when null.
    std::function<bool()> keepMyChanges;
    // Loads the other program's version once the save that asked has returned.
    std::function<void()> requestReload;
    // Told of every save that wrote the file.
    std::function<void()> written;
  };
  explicit SaveHandler(Args args) : args_(std::move(args)) {}

  void SaveSections(StoreFile& file, OrganiserStore& store);
  void SaveHeader(StoreFile& file, OrganiserStore& store);
  // The other version has been loaded: saves write again.
  void Reloaded() { reloadPending_ = false; }

  // While the session ends or the machine suspends, nobody may be asked or
  // shown anything: a failure is logged, and the user's typing is written
  // over another program's version, which is kept in the backup folder.
  class Unattended {
   public:
    explicit Unattended(SaveHandler& saves) : saves_(saves), was_(saves.unattended_) {
      saves_.unattended_ = true;
    }
    ~Unattended() { saves_.unattended_ = was_; }
    Unattended(const Unattended&) = delete;
    Unattended& operator=(const Unattended&) = delete;

   private:
    SaveHandler& saves_;
    bool was_;
  };
  bool IsUnattended() const { return unattended_; }

 private:
  using SaveStep = SaveResult (StoreFile::*)(OrganiserStore&, Overwrite);
  void Save(StoreFile& file, OrganiserStore& store, SaveStep step);
  bool KeepMyChanges(StoreFile& file);
  void Log(const char* sender, const IoError& error, const std::string& message);

  Args args_;
  bool asking_ = false;
  bool reloadPending_ = false;
  bool unattended_ = false;
  bool failureTold_ = false;
};

}  // namespace tovik
