#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "base/file_system.h"

namespace tovik::testing {

// Files in memory. Every write, truncate, flush and replace is one numbered
// step; a test can make one chosen step fail (a failing write stores half its
// bytes first, as a full disk would), refuse replacements as if another
// process held the file open, or make a folder read-only. Reading can fail
// from a chosen offset on, and a file can grow under its first read.
class MemoryFileSystem : public FileSystem {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
  void Replace(const std::string& target, const std::string& replacement) override;
  bool Remove(const std::string& path) override;
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool DirectoryExists(const std::string& path) override { return folders.count(path) != 0; }
  bool MakeDirectory(const std::string& path) override;
  std::vector<std::string> FileNames(const std::string& folder) override;
  // A new stamp for the same bytes, as a second writer of the same image gives.
  void Touch(const std::string& path) { ++touches[path]; }
  std::optional<FileStamp> StampOf(const std::string& path) override;
  void Pause(int milliseconds) override { paused_ms += milliseconds; }

  void Put(const std::string& path, std::string content);
  std::string Get(const std::string& path) const;

  // Called by the files for each step; throws when it is the failing one.
  void Step(const char* what);

  std::map<std::string, std::shared_ptr<std::string>> files;
  std::map<std::string, uint64_t> touches;
  std::set<std::string> folders;
  std::set<std::string> read_only_folders;  // no file below may be created or written
  std::set<std::string> unopenable;         // opening these fails
  int fail_at_step = 0;                     // 1-based; 0 = never
  int steps = 0;
  int refuse_replacements = 0;  // how many Replace calls report a sharing violation
  int writes = 0;               // writes and truncations that reached a file
  int paused_ms = 0;
  size_t unreadable_from = SIZE_MAX;   // reads reaching this offset fail there
  std::string appended_at_first_read;  // another writer's bytes, added once

 private:
  bool InReadOnlyFolder(const std::string& path) const;
};

}  // namespace tovik::testing
