#include "app/data_location.h"

#include "app/ini_file.h"

namespace tovik {

namespace {
constexpr const char* kDataFileName = "Tovik.dat";

// Makes `folder` when it is missing; false when it cannot be had.
bool EnsureFolder(FileSystem& fs, const std::string& folder) {
  return fs.DirectoryExists(folder) || fs.MakeDirectory(folder);
}

// Copies the old data file byte for byte to a file that does not exist yet.
// Returns the message for the user on failure, empty on success.
std::string CopyDataFile(FileSystem& fs, const std::string& from, const std::string& to) {
  std::unique_ptr<File> source;
  try {
    source = fs.Open(from, OpenMode::ExistingRead);
  } catch (const IoError&) {
    return "Cannot open file " + from;
  }
  std::unique_ptr<File> target;
  try {
    target = fs.Open(to, OpenMode::CreateNew);
  } catch (const IoError&) {
    return "Cannot create file " + to;
  }
  try {
    WriteAll(*target, ReadWholeFile(*source));
    target->Flush();
  } catch (const IoError& e) {
    target.reset();
    fs.Remove(to);  // a half copy would pass for the user's data next time
    return "Cannot copy file " + from + " to " + to + ": " + e.what();
  }
  return {};
}
}  // namespace

std::string MigrationQuestion(const std::string& oldFolder, const std::string& newRoot) {
  return "Tovik has copied files\r\n"
         "from: \"" +
         oldFolder +
         "\"\r\n"
         "to: \"" +
         newRoot +
         "\".\r\n"
         "\r\n"
         "Do you want Tovik to delete files found\r\n"
         "in: \"" +
         oldFolder +
         "\"?\r\n"
         "\r\n"
         "For more information see \"history.txt\" that accompanies Tovik.";
}

DataLocation ResolveDataLocation(const std::string& exePath, FileSystem& fs,
                                 DataLocationPlatform& platform) {
  DataLocation loc;
  loc.ProgramFolder = exePath.substr(0, exePath.find_last_of("\\/") + 1);
  loc.ReminderExeName = "ChkTovik.exe";
  const IniFile options(platform.ReadOptionsFile(loc.ProgramFolder + "options.ini"));

  if (LowerAscii(TrimBlanks(options.ReadString("Misc", "DataAccess", "all"))) == "user") {
    std::string oldFolder = loc.ProgramFolder;
    bool oldIsAppData = false;
    std::string appData = platform.SpecialFolder(kCsidlAppData);
    if (!appData.empty() && fs.DirectoryExists(appData += "\\Brakvel") &&
        fs.DirectoryExists(appData += "\\Tovik")) {
      oldFolder = appData + "\\";
      oldIsAppData = true;
    }

    std::string root = platform.SpecialFolder(kCsidlPersonal);
    if (!root.empty() && EnsureFolder(fs, root += "\\Brakvel") &&
        EnsureFolder(fs, root += "\\Tovik")) {
      root += "\\";
      const std::string dataFile = root + kDataFileName;
      const std::string oldFile = oldFolder + "tovik.dat";
      // With no data file anywhere, a new one begins here: the program folder
      // of an installed copy is not the user's to write.
      const bool nothingToCopy =
          !fs.FileExists(oldFile) && !fs.FileExists(loc.ProgramFolder + "tovik.dat");
      std::string failure;
      if (!fs.FileExists(dataFile) && !nothingToCopy) {
        failure = CopyDataFile(fs, oldFile, dataFile);
        if (failure.empty() && oldIsAppData &&
            platform.AskYesNo(MigrationQuestion(oldFolder, root))) {
          platform.RecycleFolder(oldFolder);
        }
      }
      if (failure.empty()) {
        loc.DataRoot = root;
        loc.DataFilePath = dataFile;
        return loc;
      }
      platform.ShowMessage(failure);
    }
  }

  loc.DataRoot = loc.ProgramFolder;
  const std::string custom = TrimBlanks(options.ReadString("Misc", "TovikDataPath", ""));
  loc.DataFilePath =
      !custom.empty() && fs.FileExists(custom) ? custom : loc.ProgramFolder + kDataFileName;
  return loc;
}

}  // namespace tovik
