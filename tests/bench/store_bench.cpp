// LoadStore and SaveSections beside the raw read, and the raw write plus
// flush, of the same bytes.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <optional>

#include "base/file_system_posix.h"
#include "store/store_file.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

class BenchPlatform : public StorePlatform {
 public:
  LocalDateTime Now() override { return {2026, 12, 8, 12, 0, 0, 0}; }
  uint16_t UserDefaultLanguage() override { return 0x0409; }
  std::string LocaleFirstDayOfWeek() override { return "0"; }
  std::string LocaleFirstWeekOfYear() override { return "2"; }
  std::string NetworkForm(const std::string& path) override { return path; }
};

// Timed by hand around the load alone: freeing the store is closing's work,
// not loading's, and pausing the benchmark's own timers costs more than a
// small load.
void Load(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  BenchPlatform platform;
  std::optional<OrganiserStore> loaded;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    loaded.emplace(LoadStore(f->path, fs, platform));
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(loaded->AppointmentSlots.data());
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    loaded.reset();
  }
}

void RawWriteFlush(benchmark::State& state, const BenchFile* f) {
  const std::string path = f->path + ".raw";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    size_t done = 0;
    while (done < f->bytes.size()) {
      const ssize_t n = ::write(fd, f->bytes.data() + done, f->bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::fsync(fd);
    ::close(fd);
  }
  ::unlink(path.c_str());
}

void Save(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  BenchPlatform platform;
  OrganiserStore store = LoadStore(f->path, fs, platform);
  for (auto _ : state) {
    store.DataModified = true;
    store.SaveSections();
  }
}

}  // namespace
}  // namespace tovik::bench

int main(int argc, char** argv) {
  using namespace tovik::bench;
  for (const BenchFile& f : BenchFiles()) {
    benchmark::RegisterBenchmark(("RawRead/" + f.name).c_str(), RawRead, &f)->UseRealTime();
    benchmark::RegisterBenchmark(("LoadStore/" + f.name).c_str(), Load, &f)->UseManualTime();
    benchmark::RegisterBenchmark(("RawWriteFlush/" + f.name).c_str(), RawWriteFlush, &f)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("SaveSections/" + f.name).c_str(), Save, &f)->UseRealTime();
  }
  return RunWithRatios(argc, argv, {{"LoadStore", "RawRead"}, {"SaveSections", "RawWriteFlush"}});
}
