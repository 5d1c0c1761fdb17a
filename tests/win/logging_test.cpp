// locales: en_US.UTF-8 de_DE.UTF-8
// The log under Windows: what the records say about the process, how the log
// file grows, and the unhandled-error path. Runs from its own empty program
// folder, which holds every file the tests write.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/logging_win.h"
#include "app/unhandled_error_win.h"
#include "base/wide_text_win.h"

namespace tovik {
namespace {

namespace fs = std::filesystem;

fs::path TestFolder(const std::string& name) {
  const fs::path folder = fs::current_path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::string Utf8(const fs::path& path) {
  return WideToUtf8(path.wstring());
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Records(const std::string& log) {
  std::vector<std::string> records;
  size_t start = 0;
  for (size_t end; (end = log.find("\r\n\r\n", start)) != std::string::npos; start = end + 4) {
    records.push_back(log.substr(start, end - start + 2));
  }
  EXPECT_EQ(start, log.size()) << "the log does not end with a whole record";
  return records;
}

bool HasLine(const std::string& record, const std::string& line) {
  return ("\r\n" + record).find("\r\n" + line + "\r\n") != std::string::npos;
}

bool HasLineStarting(const std::string& record, const std::string& start) {
  return ("\r\n" + record).find("\r\n" + start) != std::string::npos;
}

// The line with this label is there with this value, or absent when value is null.
void ExpectOptionalLine(const std::string& record, const std::string& label, const char* value) {
  EXPECT_EQ(HasLineStarting(record, label), value != nullptr) << label;
  if (value != nullptr) {
    EXPECT_TRUE(HasLine(record, label + value)) << label;
  }
}

TEST(TzqLogging, RecordsCarryKindsOptionalLinesAndProcessFacts) {
  const fs::path file = TestFolder("kinds") / "Tovik.log";
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  SetLastError(ERROR_FILE_NOT_FOUND);
  log.Log({});
  log.Log({.Sender = "TTovikMain", .Message = "Started"});
  log.Log({.Error = ErrorDescription{"tovik::IoError", "Cannot write"}, .Identifier = "Save"});
  log.Log({.Sender = "btnExit",
           .Error = ErrorDescription{"std::runtime_error", "Broken"},
           .Identifier = "7",
           .Message = "While closing"});

  const std::vector<std::string> records = Records(ReadBytes(file));
  ASSERT_EQ(records.size(), 4u);
  struct Expected {
    const char* kind;
    const char* sender;
    const char* id;
    const char* message;
    const char* exceptionClass;
  } expected[] = {
      {"--Info--", nullptr, nullptr, nullptr, nullptr},
      {"--Message--", "TTovikMain", nullptr, "Started", nullptr},
      {"--Exception--", nullptr, "Save", nullptr, "tovik::IoError"},
      {"--Combined--", "btnExit", "7", "While closing", "std::runtime_error"},
  };
  for (size_t i = 0; i < records.size(); ++i) {
    const std::string& r = records[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(r);
    EXPECT_EQ(r.rfind(std::string(e.kind) + "\r\n", 0), 0u);
    ExpectOptionalLine(r, "Sender: ", e.sender);
    ExpectOptionalLine(r, "ID: ", e.id);
    ExpectOptionalLine(r, "Message: ", e.message);
    ExpectOptionalLine(r, "Exception Class Name: ", e.exceptionClass);
    EXPECT_TRUE(HasLine(r, "Current Process ID: " + std::to_string(GetCurrentProcessId())));
    EXPECT_TRUE(HasLine(r, "Current Thread ID: " + std::to_string(GetCurrentThreadId())));
    EXPECT_TRUE(HasLine(r, "Current Work Directory: " + Utf8(fs::current_path())));
  }
  // The error the caller had when it logged, with the system's text trimmed.
  std::smatch error;
  const std::regex errorLine("\r\nLast Windows Error: 2 \\(\"([^\r\n]*[^ .\r\n])\"\\)\r\n");
  EXPECT_TRUE(std::regex_search(records[0], error, errorLine)) << records[0];
}

TEST(TzqLogging, AppendsBelowTheOldLogAndKeepsItsBytes) {
  const fs::path file = TestFolder("append") / "Tovik.log";
  // An older log in the ANSI code page, without a final empty line.
  const std::string old = "--Info--\r\nfrom an older version \xE6\xF8\xE5\r\n";
  WriteBytes(file, old);
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  log.Log({.Message = "first"});
  log.Log({.Message = "second"});

  const std::string content = ReadBytes(file);
  ASSERT_EQ(content.substr(0, old.size()), old);
  const std::vector<std::string> added = Records(content.substr(old.size()));
  ASSERT_EQ(added.size(), 2u);
  EXPECT_TRUE(HasLine(added[0], "Message: first"));
  EXPECT_TRUE(HasLine(added[1], "Message: second"));
}

TEST(TzqLogging, FirstRecordCreatesTheFile) {
  const fs::path file = TestFolder("create") / "CheckTovik.log";
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  log.Log({.Message = "only"});
  ASSERT_EQ(Records(ReadBytes(file)).size(), 1u);
}

TEST(TzqLogging, OldLogThatCannotBeReadIsNotDiscarded) {
  const fs::path file = TestFolder("unreadable") / "Tovik.log";
  const std::string old = "--Info--\r\nold record\r\n\r\n";
  WriteBytes(file, old);
  // Another program holds the log open for writing and lets nobody read it.
  const HANDLE holder = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(reader, INVALID_HANDLE_VALUE) << "the old log should be unreadable here";
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);

  TzqLogging log;
  log.SetLogFile(Utf8(file));
  log.Log({.Message = "new"});
  CloseHandle(holder);

  const std::string content = ReadBytes(file);
  ASSERT_EQ(content.substr(0, old.size()), old);
  const std::vector<std::string> added = Records(content.substr(old.size()));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_TRUE(HasLine(added[0], "Message: new"));
}

TEST(TzqLogging, RecordsWaitUntilTheLogFileIsSet) {
  const fs::path file = TestFolder("buffered") / "Tovik.log";
  TzqLogging log;
  log.Log({.Message = "before"});
  log.SaveLog();  // nothing to write to yet: keeps the record
  EXPECT_FALSE(fs::exists(file));
  log.SetLogFile(Utf8(file));
  log.Log({.Message = "after"});

  const std::vector<std::string> records = Records(ReadBytes(file));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(HasLine(records[0], "Message: before"));
  EXPECT_TRUE(HasLine(records[1], "Message: after"));
}

TEST(TzqLogging, MissingLogFolderLosesTheRecordQuietly) {
  const fs::path folder = TestFolder("missing");
  TzqLogging log;
  log.SetLogFile(Utf8(folder / "absent" / "Tovik.log"));
  log.Log({.Message = "lost"});
  EXPECT_FALSE(fs::exists(folder / "absent"));

  // The lost record does not come back with the next one.
  log.SetLogFile(Utf8(folder / "Tovik.log"));
  log.Log({.Message = "kept"});
  const std::vector<std::string> records = Records(ReadBytes(folder / "Tovik.log"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_TRUE(HasLine(records[0], "Message: kept"));
}

// Run under a German and an American user locale: the ISO line keeps
// year-month-day with hyphens and a 24-hour clock, while the native line
// shows the same moment in the user's short date and long time formats.
TEST(TzqLogging, IsoLineIgnoresTheLocaleNativeLineFollowsIt) {
  const fs::path file = TestFolder("locale") / "Tovik.log";
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  log.Log({});
  const std::string content = ReadBytes(file);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(content, m,
                                std::regex("\r\nDateTime \\(ISO\\): (\\d{4})-(\\d\\d)-(\\d\\d) "
                                           "(\\d\\d):(\\d\\d):(\\d\\d)\r\n"
                                           "DateTime \\(native\\): ([^\r\n]*)\r\n")))
      << content;
  const int year = std::stoi(m[1]), month = std::stoi(m[2]), day = std::stoi(m[3]);
  const int hour = std::stoi(m[4]);
  const std::string minutesSeconds = m[5].str() + ":" + m[6].str();
  const std::string native = m[7];

  wchar_t localeName[LOCALE_NAME_MAX_LENGTH];
  GetUserDefaultLocaleName(localeName, LOCALE_NAME_MAX_LENGTH);
  char expected[64];
  if (std::wstring(localeName) == L"de-DE") {
    // Wine's German short date is d.M.yyyy, Windows' dd.MM.yyyy.
    wchar_t picture[80];
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture, 80);
    const bool padded = std::wstring(picture) == L"dd.MM.yyyy";
    std::snprintf(expected, sizeof expected, padded ? "%02d.%02d.%d %02d:%s" : "%d.%d.%d %02d:%s",
                  day, month, year, hour, minutesSeconds.c_str());
  } else if (std::wstring(localeName) == L"en-US") {
    std::snprintf(expected, sizeof expected, "%d/%d/%d %d:%s %s", month, day, year,
                  hour % 12 == 0 ? 12 : hour % 12, minutesSeconds.c_str(), hour < 12 ? "AM" : "PM");
  } else {
    GTEST_SKIP() << "no expectation for this locale";
  }
  EXPECT_EQ(native, expected);
}

// Closes each error box of this process as it appears and keeps its text.
class ErrorBoxCloser {
 public:
  explicit ErrorBoxCloser(const wchar_t* title)
      : titleToClose_(title), thread_([this] {
          for (int i = 0; i < 500 && !done_; ++i) {
            EnumThreadWindows(mainThread_, CloseBox, reinterpret_cast<LPARAM>(this));
            Sleep(20);
          }
        }) {}
  ~ErrorBoxCloser() {
    done_ = true;
    thread_.join();
  }
  std::vector<std::string> Texts() {
    std::lock_guard guard(lock_);
    return texts_;
  }

 private:
  static BOOL CALLBACK CloseBox(HWND window, LPARAM selfParam) {
    auto* self = reinterpret_cast<ErrorBoxCloser*>(selfParam);
    wchar_t className[32];
    wchar_t title[128];
    // Reads texts without sending messages: the main thread may be busy.
    GetClassNameW(window, className, 32);
    InternalGetWindowText(window, title, 128);
    if (std::wstring(className) != L"#32770" || self->titleToClose_ != title) return TRUE;
    std::lock_guard guard(self->lock_);
    if (self->seen_.insert(window).second) {
      std::string text;
      EnumChildWindows(window, CollectStaticText, reinterpret_cast<LPARAM>(&text));
      self->texts_.push_back(text);
    }
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  // The message is the box's static control with text (the icon has none).
  static BOOL CALLBACK CollectStaticText(HWND control, LPARAM text) {
    wchar_t className[32];
    wchar_t content[512];
    GetClassNameW(control, className, 32);
    if (_wcsicmp(className, L"Static") == 0 && InternalGetWindowText(control, content, 512) > 0) {
      *reinterpret_cast<std::string*>(text) = WideToUtf8(content);
      return FALSE;
    }
    return TRUE;
  }

  const DWORD mainThread_ = GetCurrentThreadId();
  std::atomic<bool> done_{false};
  const std::wstring titleToClose_;
  std::mutex lock_;
  std::set<HWND> seen_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

TEST(UnhandledErrorPath, LogsWithSenderThenShowsTheErrorBoxAndGoesOn) {
  const fs::path file = TestFolder("unhandled") / "Tovik.log";
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  UnhandledErrorPath path(log, L"Tovik");
  {
    ErrorBoxCloser closer(L"Tovik");
    try {
      throw std::runtime_error("Failed to set data for 'Brakvel-CheckTovik'");
    } catch (...) {
      HandleUnhandledError("miRunCheckTovikOnStartup");
    }
    // Back here: the box was closed and the program goes on.
    EXPECT_EQ(closer.Texts(),
              std::vector<std::string>{"Failed to set data for 'Brakvel-CheckTovik'"});
  }
  {
    ErrorBoxCloser closer(L"Tovik");
    try {
      throw std::out_of_range("no sender");
    } catch (...) {
      HandleUnhandledError("");
    }
    EXPECT_EQ(closer.Texts(), std::vector<std::string>{"no sender"});
  }

  const std::vector<std::string> records = Records(ReadBytes(file));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].rfind("--Exception--\r\n", 0), 0u);
  EXPECT_TRUE(HasLine(records[0], "Sender: miRunCheckTovikOnStartup"));
  EXPECT_TRUE(HasLine(records[0], "Exception Class Name: std::runtime_error"));
  EXPECT_TRUE(
      HasLine(records[0], "Exception Message: Failed to set data for 'Brakvel-CheckTovik'"));
  EXPECT_FALSE(HasLineStarting(records[0], "ID: "));
  EXPECT_FALSE(HasLineStarting(records[0], "Message: "));
  EXPECT_EQ(records[1].rfind("--Exception--\r\n", 0), 0u);
  EXPECT_FALSE(HasLineStarting(records[1], "Sender: "));
  EXPECT_TRUE(HasLine(records[1], "Exception Class Name: std::out_of_range"));
}

}  // namespace
}  // namespace tovik

namespace tovik {
namespace {

// A window whose handler fails whenever it gets WM_APP, the way a paint
// handler can fail again and again.
LRESULT CALLBACK FailingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    try {
      throw std::runtime_error("failed again");
    } catch (...) {
      HandleUnhandledError("pnlFailing");
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(UnhandledErrorPath, ErrorWhileTheBoxIsUpIsLoggedWithoutASecondBox) {
  const fs::path file = TestFolder("nested") / "Tovik.log";
  TzqLogging log;
  log.SetLogFile(Utf8(file));
  UnhandledErrorPath path(log, L"Check Tovik");
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FailingWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"FailingWindow";
  RegisterClassExW(&windowClass);
  const HWND failing = CreateWindowExW(0, L"FailingWindow", L"", WS_OVERLAPPED, 0, 0, 10, 10,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(failing, nullptr);
  {
    ErrorBoxCloser closer(L"Check Tovik");
    // Handled by the first box's message loop.
    PostMessageW(failing, WM_APP, 0, 0);
    try {
      throw std::runtime_error("first");
    } catch (...) {
      HandleUnhandledError("btnExit");
    }
    EXPECT_EQ(closer.Texts(), std::vector<std::string>{"first"});
  }
  DestroyWindow(failing);
  const std::vector<std::string> records = Records(ReadBytes(file));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_TRUE(HasLine(records[0], "Sender: btnExit"));
  EXPECT_TRUE(HasLine(records[1], "Sender: pnlFailing"));
  EXPECT_TRUE(HasLine(records[1], "Exception Message: failed again"));
}

}  // namespace
}  // namespace tovik
