#pragma once
#include "base/file_system.h"

namespace tovik {

// The file seam on the native build, for tests, fuzzing and benchmarks.
class PosixFileSystem : public FileSystem {
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
