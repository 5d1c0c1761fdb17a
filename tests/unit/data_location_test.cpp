// Choosing the data folder, and the first-time move to the per-user folder.
#include "app/data_location.h"

#include <gtest/gtest.h>

#include "app/ini_file.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik {
namespace {

using testing::MemoryFileSystem;

const std::string kExe = "C:\\Apps\\Tovik\\Tovik.exe";
const std::string kProgram = "C:\\Apps\\Tovik\\";
const std::string kDocs = "C:\\Users\\me\\Documents";
const std::string kAppData = "C:\\Users\\me\\AppData\\Roaming";
const std::string kUserRoot = kDocs + "\\Brakvel\\Tovik\\";
const std::string kOldRoot = kAppData + "\\Brakvel\\Tovik\\";

class FakeLocationPlatform : public DataLocationPlatform {
 public:
  std::string SpecialFolder(int csidl) override {
    return csidl == kCsidlPersonal ? documents : csidl == kCsidlAppData ? app_data : "";
  }
  std::string ReadOptionsFile(const std::string& path) override {
    return path == kProgram + "options.ini" ? options : "";
  }
  void RecycleFolder(const std::string& folder) override { recycled.push_back(folder); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::string documents = kDocs, app_data = kAppData, options;
  bool answer = false;
  std::vector<std::string> recycled, questions, messages;
};

class DataLocationTest : public ::testing::Test {
 protected:
  DataLocation Resolve() { return ResolveDataLocation(kExe, fs, platform); }
  void PerUser() { platform.options = "[Misc]\r\nDataAccess= User \r\n"; }
  void OldAppDataFolder() {
    fs.folders.insert(kAppData + "\\Brakvel");
    fs.folders.insert(kAppData + "\\Brakvel\\Tovik");
  }
  MemoryFileSystem fs;
  FakeLocationPlatform platform;
};

TEST_F(DataLocationTest, NoOptionsFileMeansTheProgramFolder) {
  const DataLocation loc = Resolve();
  EXPECT_EQ(loc.ProgramFolder, kProgram);
  EXPECT_EQ(loc.ReminderExeName, "ChkTovik.exe");
  EXPECT_EQ(loc.DataRoot, kProgram);
  EXPECT_EQ(loc.DataFilePath, kProgram + "Tovik.dat");
}

TEST_F(DataLocationTest, TovikDataPathIsUsedOnlyWhenTheFileExists) {
  platform.options = "[Misc]\nTovikDataPath=  D:\\Shared\\Tovik.dat  \n";
  EXPECT_EQ(Resolve().DataFilePath, kProgram + "Tovik.dat");
  fs.Put("D:\\Shared\\Tovik.dat", "x");
  const DataLocation loc = Resolve();
  EXPECT_EQ(loc.DataFilePath, "D:\\Shared\\Tovik.dat");
  EXPECT_EQ(loc.DataRoot, kProgram);  // the logs stay beside the programs
}

TEST_F(DataLocationTest, PerUserFolderWithItsFileAsksNothing) {
  PerUser();
  OldAppDataFolder();
  fs.Put(kUserRoot + "Tovik.dat", "mine");
  fs.Put(kOldRoot + "tovik.dat", "old");
  const DataLocation loc = Resolve();
  EXPECT_EQ(loc.DataRoot, kUserRoot);
  EXPECT_EQ(loc.DataFilePath, kUserRoot + "Tovik.dat");
  EXPECT_EQ(fs.Get(kUserRoot + "Tovik.dat"), "mine");
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(DataLocationTest, ProgramFolderFileIsCopiedWithoutAQuestion) {
  PerUser();
  fs.Put(kProgram + "tovik.dat", std::string("\x01\x00\xFF data", 8));
  const DataLocation loc = Resolve();
  EXPECT_EQ(loc.DataFilePath, kUserRoot + "Tovik.dat");
  EXPECT_EQ(fs.Get(kUserRoot + "Tovik.dat"), std::string("\x01\x00\xFF data", 8));
  EXPECT_EQ(fs.Get(kProgram + "tovik.dat"), std::string("\x01\x00\xFF data", 8));
  EXPECT_TRUE(fs.DirectoryExists(kDocs + "\\Brakvel\\Tovik"));
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(DataLocationTest, OldPerUserFolderIsOfferedForCleanUp) {
  for (const bool yes : {true, false}) {
    MemoryFileSystem freshFs;
    FakeLocationPlatform freshPlatform;
    freshPlatform.options = "[misc]\ndataaccess=USER";
    freshPlatform.answer = yes;
    freshFs.folders = {kAppData + "\\Brakvel", kAppData + "\\Brakvel\\Tovik"};
    freshFs.Put(kOldRoot + "tovik.dat", "old data");
    const DataLocation loc = ResolveDataLocation(kExe, freshFs, freshPlatform);
    EXPECT_EQ(loc.DataFilePath, kUserRoot + "Tovik.dat");
    EXPECT_EQ(freshFs.Get(kUserRoot + "Tovik.dat"), "old data");
    ASSERT_EQ(freshPlatform.questions.size(), 1u);
    EXPECT_EQ(freshPlatform.questions[0], MigrationQuestion(kOldRoot, kUserRoot));
    EXPECT_EQ(freshPlatform.recycled,
              yes ? std::vector<std::string>{kOldRoot} : std::vector<std::string>{});
    // The next start finds the new file and asks nothing.
    ResolveDataLocation(kExe, freshFs, freshPlatform);
    EXPECT_EQ(freshPlatform.questions.size(), 1u);
  }
}

TEST_F(DataLocationTest, MigrationQuestionHasItsEightLines) {
  EXPECT_EQ(MigrationQuestion("A\\", "B\\"),
            "Tovik has copied files\r\nfrom: \"A\\\"\r\nto: \"B\\\".\r\n\r\n"
            "Do you want Tovik to delete files found\r\nin: \"A\\\"?\r\n\r\n"
            "For more information see \"history.txt\" that accompanies Tovik.");
}

TEST_F(DataLocationTest, NothingAnywhereStartsInThePerUserFolderWithoutAWord) {
  PerUser();
  for (const bool oldFolderExists : {false, true}) {
    if (oldFolderExists) OldAppDataFolder();
    const DataLocation loc = Resolve();
    EXPECT_EQ(loc.DataRoot, kUserRoot);
    EXPECT_EQ(loc.DataFilePath, kUserRoot + "Tovik.dat");
    EXPECT_FALSE(fs.FileExists(loc.DataFilePath));  // loading creates it
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.questions.empty());
  }
}

TEST_F(DataLocationTest, DataLeftElsewhereIsNotPassedOverForANewFile) {
  PerUser();
  // The program folder's file cannot be read: said, and the program folder serves.
  fs.Put(kProgram + "tovik.dat", "data");
  fs.unopenable.insert(kProgram + "tovik.dat");
  EXPECT_EQ(Resolve().DataRoot, kProgram);
  // An old per-user folder without its file while the program folder holds one.
  fs.unopenable.clear();
  OldAppDataFolder();
  EXPECT_EQ(Resolve().DataFilePath, kProgram + "Tovik.dat");
  EXPECT_EQ(platform.messages,
            (std::vector<std::string>{"Cannot open file " + kProgram + "tovik.dat",
                                      "Cannot open file " + kOldRoot + "tovik.dat"}));
}

TEST_F(DataLocationTest, UncreatableTargetIsReportedAndNothingHalfCopiedStays) {
  PerUser();
  fs.Put(kProgram + "tovik.dat", "data");
  fs.folders = {kDocs + "\\Brakvel", kDocs + "\\Brakvel\\Tovik"};
  fs.read_only_folders.insert(kUserRoot);
  EXPECT_EQ(Resolve().DataRoot, kProgram);
  EXPECT_EQ(platform.messages,
            std::vector<std::string>{"Cannot create file " + kUserRoot + "Tovik.dat"});

  fs.read_only_folders.clear();
  platform.messages.clear();
  fs.fail_at_step = fs.steps + 1;  // the copy's write fails
  EXPECT_EQ(Resolve().DataRoot, kProgram);
  EXPECT_FALSE(fs.FileExists(kUserRoot + "Tovik.dat"));
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(DataLocationTest, UnnamedOrUncreatableDocumentsFolderIsSilent) {
  PerUser();
  platform.documents = "";
  EXPECT_EQ(Resolve().DataRoot, kProgram);
  platform.documents = kDocs;
  fs.read_only_folders.insert(kDocs);
  EXPECT_EQ(Resolve().DataRoot, kProgram);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(IniFileTest, ReadsWhatTheFileSaysWhateverItsShape) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"", "dflt"},
      {"DataAccess=user", "dflt"},  // no section
      {"[Misc]\r\nDataAccess=user\r\n", "user"},
      {"\xEF\xBB\xBF[Misc]\nDataAccess=user", "user"},
      {"[misc]\rdataaccess=user", "user"},
      {"[Misc]\nDataAccess=first\nDataAccess=second", "first"},
      {"[Other]\nDataAccess=no\n[Misc]\n; comment\nnoequals\n  DataAccess  = x = y", " x = y"},
      {"[Misc]\nDataAccess=\n", ""},
      {"[Misc\nDataAccess=unclosed", "unclosed"},
      {"\x02\xff\n[Misc]\x01\nDataAccess=bin", "bin"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IniFile(c.text).ReadString("Misc", "DataAccess", "dflt"), c.expected) << c.text;
  }
  const std::string longLine = "[Misc]\nDataAccess=" + std::string(1 << 20, 'v');
  EXPECT_EQ(IniFile(longLine).ReadString("Misc", "DataAccess", "").size(), 1u << 20);
}

}  // namespace
}  // namespace tovik
