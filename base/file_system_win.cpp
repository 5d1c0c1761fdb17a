#include "base/file_system_win.h"

#include <windows.h>

#include <vector>

#include "base/system_win.h"
#include "base/wide_text_win.h"

namespace tovik {

namespace {
[[noreturn]] void ThrowLastError() {
  const DWORD code = GetLastError();
  IoError::Kind kind = IoError::Kind::Other;
  if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) kind = IoError::Kind::NotFound;
  if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
      code == ERROR_UNABLE_TO_REMOVE_REPLACED || code == ERROR_ACCESS_DENIED) {
    // A replacement refused while another process holds the file is reported
    // as one of these; only a retry tells them apart from a lasting refusal.
    kind = IoError::Kind::SharingViolation;
  }
  std::string text = SystemErrorText(code);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (text.empty()) text = "System error " + std::to_string(code);
  throw IoError(text, code, kind);
}

// Removes the work files ("rf….tmp") that the system's replacement made in
// the folder since `start` and left behind when it failed part-way.
void RemoveReplacementWorkFiles(const std::wstring& folder, const FILETIME& start) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileExW((folder + L"rf*.tmp").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (CompareFileTime(&found.ftCreationTime, &start) >= 0) {
      DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

class Win32File : public File {
 public:
  explicit Win32File(HANDLE h) : h_(h) {}
  ~Win32File() override { CloseHandle(h_); }
  uint64_t Size() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(h_, &size)) ThrowLastError();
    return static_cast<uint64_t>(size.QuadPart);
  }
  void Seek(uint64_t offset) override {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(h_, to, nullptr, FILE_BEGIN)) ThrowLastError();
  }
  size_t Read(void* buffer, size_t size) override {
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(h_, buffer, want, &got, nullptr)) ThrowLastError();
    return got;
  }
  void Write(const void* data, size_t size) override {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
      const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
      DWORD done = 0;
      if (!WriteFile(h_, p, chunk, &done, nullptr)) ThrowLastError();
      if (done == 0) {
        SetLastError(ERROR_WRITE_FAULT);
        ThrowLastError();
      }
      p += done;
      size -= done;
    }
  }
  void Truncate() override {
    if (!SetEndOfFile(h_)) ThrowLastError();
  }
  void Flush() override {
    if (!FlushFileBuffers(h_)) ThrowLastError();
  }
  // The same fields GetFileAttributesExW gives StampOf.
  std::optional<FileStamp> Stamp() override {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h_, &info)) ThrowLastError();
    return FileStamp{
        (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow,
        (uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) | info.ftLastWriteTime.dwLowDateTime};
  }

 private:
  HANDLE h_;
};

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(Utf8ToWide(path).c_str());
}
}  // namespace

std::unique_ptr<File> Win32FileSystem::Open(const std::string& path, OpenMode mode) {
  DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case OpenMode::ExistingRead:
      access = GENERIC_READ;
      break;
    case OpenMode::ExistingReadWrite:
      break;
    case OpenMode::CreateNew:
      disposition = CREATE_NEW;
      break;
    case OpenMode::CreateAlways:
      disposition = CREATE_ALWAYS;
      break;
  }
  const HANDLE h = CreateFileW(Utf8ToWide(path).c_str(), access,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) ThrowLastError();
  return std::make_unique<Win32File>(h);
}

void Win32FileSystem::Replace(const std::string& target, const std::string& replacement) {
  const std::wstring to = Utf8ToWide(target);
  const std::wstring from = Utf8ToWide(replacement);
  FILETIME start;
  GetSystemTimeAsFileTime(&start);
  if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr)) {
    return;
  }
  // A failure here leaves no file of the system's replacement behind; the
  // folder is looked at only then, so that a save pays nothing for it.
  const DWORD error = GetLastError();
  RemoveReplacementWorkFiles(FolderOf(to), start);
  SetLastError(error);
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  ThrowLastError();
}

bool Win32FileSystem::Remove(const std::string& path) {
  return DeleteFileW(Utf8ToWide(path).c_str()) != 0;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
  return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) != 0;
}

std::vector<std::string> Win32FileSystem::FileNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileExW(Utf8ToWide(folder + "*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(WideToUtf8(found.cFileName));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::optional<FileStamp> Win32FileSystem::StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  return FileStamp{
      (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
      (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

void Win32FileSystem::Pause(int milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace tovik
