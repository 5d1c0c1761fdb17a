// What the organiser's in-process Windows tests share: the real main window
// started from the test's own empty program folder, where Tovik.dat and
// Tovik.log are written, with seams that record what it asks of the world.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/file_system_win.h"
#include "base/wide_text_win.h"
#include "organiser/frame/TovikMain_win.h"
#include "store/data_file.h"
#include "tests/unit/recording_canvas.h"

namespace tovik::testing {

namespace fs = std::filesystem;

using ui::WindowText;

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline int32_t HeaderInt32(const std::string& file, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(file[offset + i]);
  return static_cast<int32_t>(value);
}

inline void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;  // a destroyed main window posts it
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The Win32 file system, counting what the program writes to the data file.
class CountingFileSystem : public Win32FileSystem {
 public:
  struct Counts {
    int headerWrites = 0;
    int sectionSaves = 0;
    bool windowAliveAtSave = false;
    HWND window = nullptr;
  };
  explicit CountingFileSystem(std::shared_ptr<Counts> counts) : counts_(std::move(counts)) {}
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    return std::make_unique<CountingFile>(Win32FileSystem::Open(path, mode), counts_);
  }
  // Saves of the data file; its backups and exports are no saves.
  void Replace(const std::string& target, const std::string& replacement) override {
    if (fs::path(Utf8ToWide(target)).filename() != L"Tovik.dat") {
      return Win32FileSystem::Replace(target, replacement);
    }
    ++counts_->sectionSaves;
    counts_->windowAliveAtSave = counts_->window != nullptr && IsWindow(counts_->window);
    Win32FileSystem::Replace(target, replacement);
  }

 private:
  // The header is the one write of its size.
  class CountingFile : public File {
   public:
    CountingFile(std::unique_ptr<File> file, std::shared_ptr<Counts> counts)
        : file_(std::move(file)), counts_(std::move(counts)) {}
    uint64_t Size() override { return file_->Size(); }
    void Seek(uint64_t offset) override { file_->Seek(offset); }
    size_t Read(void* buffer, size_t size) override { return file_->Read(buffer, size); }
    void Write(const void* data, size_t size) override {
      if (size == kHeaderSize) ++counts_->headerWrites;
      file_->Write(data, size);
    }
    void Truncate() override { file_->Truncate(); }
    void Flush() override { file_->Flush(); }

   private:
    std::unique_ptr<File> file_;
    std::shared_ptr<Counts> counts_;
  };
  std::shared_ptr<Counts> counts_;
};

inline void DeleteRegistryOptions() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brakvel");
  HKEY run;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueW(run, kRunValue);
    RegCloseKey(run);
  }
}

// Answers the message boxes of the test's process: records their texts and
// presses OK, so that an error box does not wait for a user.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer()
      : thread_([this] {
          while (!stop_) {
            if (const HWND box = FindWindowW(L"#32770", nullptr); box && box != last_) {
              last_ = box;
              wchar_t title[128] = {};
              GetWindowTextW(box, title, 128);
              titles_.push_back(title);
              PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
          }
        }) {}
  ~MessageBoxAnswerer() { Stop(); }
  // Ends the answering; the titles of the boxes it answered.
  std::vector<std::wstring> Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return titles_;
  }

 private:
  std::atomic<bool> stop_{false};
  HWND last_ = nullptr;
  std::vector<std::wstring> titles_;
  std::thread thread_;
};

// The notification area as the organiser's tray icon sees it: the records it
// is handed, and the icons it holds while a taskbar runs.
struct FakeNotificationArea {
  BOOL Call(DWORD message, const NOTIFYICONDATAW& record) {
    calls.push_back({message, record});
    const auto held = std::find(icons.begin(), icons.end(), record.uID);
    switch (message) {
      case NIM_ADD:
        if (!taskbarRuns || held != icons.end()) return FALSE;
        icons.push_back(record.uID);
        return TRUE;
      case NIM_MODIFY:
        return held != icons.end();
      case NIM_DELETE:
        if (held == icons.end()) return FALSE;
        icons.erase(held);
        return TRUE;
      default:
        return taskbarRuns;
    }
  }
  bool Holds(UINT id) const { return std::find(icons.begin(), icons.end(), id) != icons.end(); }
  // The taskbar ends, taking its icons with it, or starts again.
  void SetTaskbarRuns(bool runs) {
    taskbarRuns = runs;
    if (!runs) icons.clear();
  }

  struct Record {
    DWORD message;
    NOTIFYICONDATAW record;
  };
  std::vector<Record> calls;
  std::vector<UINT> icons;
  bool taskbarRuns = true;
};

class OrganiserWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove(DataFile());
    fs::remove(fs::current_path() / "Tovik.log");
    fs::remove_all(fs::current_path() / "Backup");
    DeleteRegistryOptions();
  }
  void TearDown() override {
    main_.reset();
    Pump();
  }

  static fs::path DataFile() { return fs::current_path() / "Tovik.dat"; }

  TTovikMain& Start() {
    TTovikMain::Seams seams;
    seams.fileSystem = std::make_unique<CountingFileSystem>(counts_);
    seams.openAddress = [this](const std::wstring& address) { opened_.push_back(address); };
    seams.chooseColor = [this](TTovikMain::ColorDialogKind kind, COLORREF initial) {
      dialogKinds_.push_back(kind);
      dialogInitial_ = initial;
      return chosenColor_;
    };
    seams.telephony = std::move(telephony_);
    // A page 2000 units wide and high that records what is printed on it;
    // no print dialog opens.
    seams.openPrinter = [this](HWND) -> std::unique_ptr<PrintCanvas> {
      if (printerCancels_) return nullptr;
      return std::make_unique<RecordingCanvas>(2000, 2000, printouts_.emplace_back());
    };
    seams.beep = beep_;
    seams.today = today_;
    seams.keepMyChanges = keepMyChanges_;
    seams.notifyIcon = [this](DWORD message, NOTIFYICONDATAW* record) {
      return shell_.Call(message, *record);
    };
    main_ = TTovikMain::Start(std::move(seams), SW_SHOW);
    EXPECT_NE(main_, nullptr);
    counts_->window = main_->hwnd();
    Pump();
    return *main_;
  }

  void Run(Command command) {
    SendMessageW(main_->hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    Pump();
  }

  // An edit box on one of the organiser's panels, standing in for a page's
  // editor; the default place is the diary box's.
  HWND PanelEditor(ui::Panel& panel, int x = 6, int y = 179, int width = 100, int height = 40) {
    return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                           panel.hwnd(), nullptr, nullptr, nullptr);
  }

  std::wstring ReminderPath() const {
    return Utf8ToWide(main_->Location().ProgramFolder) + L"ChkTovik.exe";
  }

  std::shared_ptr<CountingFileSystem::Counts> counts_ =
      std::make_shared<CountingFileSystem::Counts>();
  std::unique_ptr<TTovikMain> main_;
  std::vector<std::wstring> opened_;
  std::vector<TTovikMain::ColorDialogKind> dialogKinds_;
  COLORREF dialogInitial_ = 0;
  std::optional<COLORREF> chosenColor_;
  std::unique_ptr<Telephony> telephony_;  // the system's when not given
  std::function<void()> beep_;            // the system's sound when not given
  std::deque<RecordingCanvas::Record> printouts_;
  bool printerCancels_ = false;
  FakeNotificationArea shell_;
  std::function<CalendarDate()> today_;  // the local date when not given
  // The answer when another program changed the data file: keep ours.
  std::function<bool()> keepMyChanges_ = [] { return true; };
};

}  // namespace tovik::testing
