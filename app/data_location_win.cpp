#include "app/data_location_win.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/file_system.h"
#include "base/file_system_win.h"
#include "base/wide_text_win.h"

namespace tovik {

namespace {
// Moves each file below `folder` to the recycle bin, deepest first, and
// removes each folder that is then empty; what cannot be moved stays.
void RecycleTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RecycleTree(path);
        continue;
      }
      std::wstring from = path;
      from.push_back(L'\0');  // the shell wants a double-NUL-terminated list
      SHFILEOPSTRUCTW op{};
      op.wFunc = FO_DELETE;
      op.pFrom = from.c_str();
      op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
      SHFileOperationW(&op);
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}
}  // namespace

std::string Win32DataLocationPlatform::SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return WideToUtf8(path);
}

std::string Win32DataLocationPlatform::ReadOptionsFile(const std::string& path) {
  Win32FileSystem fs;
  std::string bytes;
  try {
    bytes = ReadWholeFile(*fs.Open(path, OpenMode::ExistingRead));
  } catch (const IoError&) {
    return {};  // a missing options file reads as empty
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes;
  if (bytes.rfind("\xFF\xFE", 0) == 0) {
    return WideToUtf8(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                                        (bytes.size() - 2) / 2));
  }
  // Otherwise the file is in the ANSI code page, as Notepad used to save it.
  return AnsiToUtf8(bytes);
}

void Win32DataLocationPlatform::RecycleFolder(const std::string& folder) {
  std::wstring path = Utf8ToWide(folder);
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  RecycleTree(path);
}

bool Win32DataLocationPlatform::AskYesNo(const std::string& text) {
  return MessageBoxW(nullptr, Utf8ToWide(text).c_str(), title_.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

void Win32DataLocationPlatform::ShowMessage(const std::string& text) {
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), title_.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace tovik
