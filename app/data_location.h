#pragma once
#include <string>

#include "base/file_system.h"

namespace tovik {

// Where this run keeps its data. Folders end with a backslash.
struct DataLocation {
  std::string ProgramFolder;
  std::string ReminderExeName;
  std::string DataRoot;
  std::string DataFilePath;
};

constexpr int kCsidlPersonal = 5;  // the documents folder
constexpr int kCsidlAppData = 26;  // the application data folder

// What deciding the data folder asks of the platform besides files.
class DataLocationPlatform {
 public:
  virtual ~DataLocationPlatform() = default;
  // A special folder by its CSIDL number, without a trailing backslash;
  // empty when the shell cannot name it.
  virtual std::string SpecialFolder(int csidl) = 0;
  // The text of options.ini as UTF-8; empty when there is none.
  virtual std::string ReadOptionsFile(const std::string& path) = 0;
  // Moves every file of the folder and its subfolders to the recycle bin,
  // silently, then removes the emptied folders.
  virtual void RecycleFolder(const std::string& folder) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// Decides the data folder and data file for this run, from options.ini beside
// the executable; in per-user mode the first start copies the data file over
// and offers to clean up the old per-user folder.
DataLocation ResolveDataLocation(const std::string& exePath, FileSystem& fs,
                                 DataLocationPlatform& platform);

// The question asked after copying from the old per-user folder.
std::string MigrationQuestion(const std::string& oldFolder, const std::string& newRoot);

}  // namespace tovik
