#pragma once
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "store/store_file.h"

namespace tovik::bench {

// Fixed answers of the platform, so that a bench file loads alike on every
// machine and day.
class FixedStorePlatform : public StorePlatform {
 public:
  LocalDateTime Now() override { return {2026, 12, 8, 12, 0, 0, 0}; }
  uint16_t UserDefaultLanguage() override { return 0x0409; }
  std::string LocaleFirstDayOfWeek() override { return "0"; }
  std::string LocaleFirstWeekOfYear() override { return "2"; }
  std::string NetworkForm(const std::string& path) override { return path; }
};

// The data files of BenchDataFiles, written once per run into a temporary
// folder.
struct BenchFile {
  std::string name;
  std::string path;
  std::string bytes;
};
const std::vector<BenchFile>& BenchFiles();

// The floor of reading: open, read the whole file into a reused buffer, close.
void RawRead(benchmark::State& state, const BenchFile* f);

// The floor of writing: create or empty the file, write the bytes, flush
// them to the disk, close.
void RawWriteFlush(const std::string& path, std::string_view bytes);

// The floor of a save that may never leave a half-written file: the bytes go
// to a new file beside `path` (its name with ".tmp" added), are flushed to
// the disk, and the new file is renamed over `path`. Creating a new file and
// replacing the old one cost the file system more than rewriting a file in
// place (a new inode, the directory, freeing the old file's blocks), and the
// save must take these steps, so they belong to its floor.
void RawWriteFlushRename(const std::string& path, std::string_view bytes);

// Runs the registered benchmarks, then prints for each pair "work/floor" the
// ratio of their mean real times, e.g. {"LoadStore", "RawRead"}.
int RunWithRatios(int argc, char** argv,
                  const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace tovik::bench
