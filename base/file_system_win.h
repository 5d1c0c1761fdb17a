#pragma once
#include "base/file_system.h"

namespace tovik {

// The file seam over the Win32 file API. Files are opened sharing read, write
// and delete, so the organiser and the reminder can have the data file open
// together and a save can still swap in the new file.
class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
  void Replace(const std::string& target, const std::string& replacement) override;
  bool Remove(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder) override;
  std::optional<FileStamp> StampOf(const std::string& path) override;
  void Pause(int milliseconds) override;
};

}  // namespace tovik
