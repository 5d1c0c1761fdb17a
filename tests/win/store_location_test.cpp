// locales: en_US.UTF-8 da_DK.UTF-8
// The data folder and the data file against the real shell folders, file
// system and locale of a fresh Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

#include "app/data_location_win.h"
#include "base/file_system_win.h"
#include "base/system_win.h"
#include "base/wide_text_win.h"
#include "store/store_platform_win.h"

namespace tovik {
namespace {

std::string Folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return WideToUtf8(path);
}

std::string ProgramFolder() {
  const std::string exe = ExecutablePath();
  return exe.substr(0, exe.find_last_of('\\') + 1);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(Utf8ToWide(path).c_str(), std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(Utf8ToWide(path).c_str(), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void DeleteTree(const std::string& folder) {
  std::wstring from = Utf8ToWide(folder);
  from.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationW(&op);
}

// The real platform, with the question answered by the test.
class AnsweringPlatform : public Win32DataLocationPlatform {
 public:
  explicit AnsweringPlatform(bool yes) : Win32DataLocationPlatform(L"Tovik"), yes_(yes) {}
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return yes_;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> questions, messages;

 private:
  bool yes_;
};

class PerUserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    docs = Folder(CSIDL_PERSONAL) + "\\Brakvel\\Tovik\\";
    oldRoot = Folder(CSIDL_APPDATA) + "\\Brakvel\\Tovik\\";
    DeleteTree(Folder(CSIDL_PERSONAL) + "\\Brakvel");
    DeleteTree(Folder(CSIDL_APPDATA) + "\\Brakvel");
    WriteFile(ProgramFolder() + "options.ini", "[Misc]\r\nDataAccess = User\r\n");
  }
  void TearDown() override {
    DeleteFileW(Utf8ToWide(ProgramFolder() + "options.ini").c_str());
    DeleteFileW(Utf8ToWide(ProgramFolder() + "tovik.dat").c_str());
  }
  void MakeOldFolder() {
    CreateDirectoryW(Utf8ToWide(Folder(CSIDL_APPDATA) + "\\Brakvel").c_str(), nullptr);
    CreateDirectoryW(Utf8ToWide(oldRoot).c_str(), nullptr);
    CreateDirectoryW(Utf8ToWide(oldRoot + "sub").c_str(), nullptr);
    WriteFile(oldRoot + "tovik.dat", "old per-user data");
    WriteFile(oldRoot + "sub\\note.txt", "x");
  }
  std::string docs, oldRoot;
  Win32FileSystem fs;
};

TEST_F(PerUserTest, CopiesTheProgramFolderFileWithoutAQuestion) {
  WriteFile(ProgramFolder() + "tovik.dat", std::string("\0\1\2data", 7));
  AnsweringPlatform platform(true);
  const DataLocation loc = ResolveDataLocation(ExecutablePath(), fs, platform);
  EXPECT_EQ(loc.DataRoot, docs);
  EXPECT_EQ(loc.DataFilePath, docs + "Tovik.dat");
  EXPECT_EQ(ReadFile(loc.DataFilePath), std::string("\0\1\2data", 7));
  EXPECT_TRUE(Exists(ProgramFolder() + "tovik.dat"));
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(PerUserTest, MigrationAnsweredYesRecyclesTheOldFolder) {
  MakeOldFolder();
  AnsweringPlatform platform(true);
  const DataLocation loc = ResolveDataLocation(ExecutablePath(), fs, platform);
  EXPECT_EQ(ReadFile(loc.DataFilePath), "old per-user data");
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], MigrationQuestion(oldRoot, docs));
  EXPECT_FALSE(Exists(oldRoot + "tovik.dat"));
  EXPECT_FALSE(Exists(oldRoot + "sub"));
  EXPECT_FALSE(Exists(oldRoot));
}

TEST_F(PerUserTest, MigrationAnsweredNoKeepsTheOldFolderAndAsksOnce) {
  MakeOldFolder();
  AnsweringPlatform platform(false);
  ResolveDataLocation(ExecutablePath(), fs, platform);
  EXPECT_TRUE(Exists(oldRoot + "tovik.dat"));
  EXPECT_TRUE(Exists(oldRoot + "sub\\note.txt"));
  ResolveDataLocation(ExecutablePath(), fs, platform);
  EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(PerUserTest, NothingAnywhereStartsInTheDocumentsFolderWithoutAWord) {
  AnsweringPlatform platform(true);
  const DataLocation loc = ResolveDataLocation(ExecutablePath(), fs, platform);
  EXPECT_EQ(loc.DataRoot, docs);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(FirstStartTest, CreatesTheFileAndSettlesItsHeaderFromTheLocale) {
  const std::string path = ProgramFolder() + "Tovik.dat";
  DeleteFileW(Utf8ToWide(path).c_str());
  Win32FileSystem fs;
  Win32StorePlatform platform;
  StoreFile file(fs, path);
  const OrganiserStore store = *file.Load(platform);
  const std::string bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 28u);
  const Settings s = SplitSettingsWord(DecodeHeader(bytes).SettingsWord());
  const bool danish = PRIMARYLANGID(GetUserDefaultLangID()) == LANG_DANISH;
  EXPECT_EQ(s.LanguageId, danish ? Language::Danish : Language::English);
  EXPECT_EQ(s.WeekStartDay, danish ? WeekStart::Monday : WeekStart::Sunday);
  EXPECT_EQ(s.FirstWeekRule, danish ? 3 : 1);
  EXPECT_EQ(store.LongDatePrefix, danish ? "dddd, " : "");
  EXPECT_EQ(DecodeHeader(bytes).BackgroundColor, 0x00800000);
  EXPECT_TRUE(file.IsLocal());
}

// A new data file in the program folder, loaded through the real seams.
class SaveTest : public ::testing::Test {
 protected:
  OrganiserStore& Load() {
    WriteFile(path, NewFileImage(40000, 0));
    store = file.Load(platform);
    return *store;
  }
  // Stores a note page and saves it.
  SaveOutcome Save(int page, std::string_view text) {
    store->StoreNotePage(page, text);
    return file.SaveSections(*store).Outcome;
  }
  std::string Reloaded(int page) {
    StoreFile again(fs, path);
    return std::string(TextOf(again.Load(platform)->NotePages[page - 1].Text));
  }
  const std::string path = ProgramFolder() + "Saved.dat";
  Win32FileSystem fs;
  Win32StorePlatform platform;
  StoreFile file{fs, path};
  std::unique_ptr<OrganiserStore> store;
};

TEST_F(SaveTest, FileHeldWithoutDeleteSharingIsRewrittenInPlace) {
  Load();
  const HANDLE holder =
      CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Save(1, "held"), SaveOutcome::Written);
  CloseHandle(holder);
  EXPECT_FALSE(store->DataModified);
  EXPECT_EQ(Reloaded(1), "held");
  EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST_F(SaveTest, SharedReadersDoNotStopTheSwap) {
  Load();
  auto reader = fs.Open(path, OpenMode::ExistingRead);  // as the reminder opens it
  EXPECT_EQ(Save(2, "swapped"), SaveOutcome::Written);
  reader.reset();
  EXPECT_FALSE(store->DataModified);
  EXPECT_EQ(Reloaded(2), "swapped");
}

}  // namespace
}  // namespace tovik
