#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "store/store_file.h"

namespace tovik {

class TzqLogging;

// Saves the store through the data file and decides what the user is told
// of the result: a day's copy that failed is logged, a file that another
// program wrote since is kept and the user asked whose version stays, and a
// failed save goes to the program's error path.
class SaveHandler {
 public:
  struct Args {
    HWND owner = nullptr;
    TzqLogging* log = nullptr;
    // The question about another program's change, in the current language.
    std::function<std::wstring()> question;
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

 private:
  using SaveStep = SaveResult (StoreFile::*)(OrganiserStore&, Overwrite);
  void Save(StoreFile& file, OrganiserStore& store, SaveStep step);
  bool KeepMyChanges(StoreFile& file);

  Args args_;
  bool asking_ = false;
  bool reloadPending_ = false;
};

}  // namespace tovik
