// LoadStore and SaveSections beside the raw read, and the raw writes (in
// place, or to a new file renamed into place) with flush, of the same bytes.
#include <unistd.h>

#include <chrono>
#include <memory>

#include "base/file_system_posix.h"
#include "store/store_file.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

// Timed by hand around the load alone: freeing the store is closing's work,
// not loading's, and pausing the benchmark's own timers costs more than a
// small load.
void Load(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  FixedStorePlatform platform;
  std::unique_ptr<OrganiserStore> loaded;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    loaded = StoreFile(fs, f->path).Load(platform);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(loaded->AppointmentSlots.data());
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    loaded.reset();
  }
}

// Two floors for the save: rewriting a file in place, and the steps the save
// must take to never leave a half-written file (a new file, then a rename).
template <void (*Write)(const std::string&, std::string_view)>
void RawSave(benchmark::State& state, const BenchFile* f) {
  const std::string path = f->path + ".raw";
  for (auto _ : state) Write(path, f->bytes);
  ::unlink(path.c_str());
}

void Save(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  FixedStorePlatform platform;
  StoreFile file(fs, f->path);
  const std::unique_ptr<OrganiserStore> store = file.Load(platform);
  for (auto _ : state) {
    store->DataModified = true;
    file.SaveSections(*store);
  }
}

}  // namespace
}  // namespace tovik::bench

int main(int argc, char** argv) {
  using namespace tovik::bench;
  for (const BenchFile& f : BenchFiles()) {
    benchmark::RegisterBenchmark(("RawRead/" + f.name).c_str(), RawRead, &f)->UseRealTime();
    benchmark::RegisterBenchmark(("LoadStore/" + f.name).c_str(), Load, &f)->UseManualTime();
    benchmark::RegisterBenchmark(("RawWriteFlush/" + f.name).c_str(), RawSave<RawWriteFlush>, &f)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("RawWriteFlushRename/" + f.name).c_str(),
                                 RawSave<RawWriteFlushRename>, &f)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("SaveSections/" + f.name).c_str(), Save, &f)->UseRealTime();
  }
  return RunWithRatios(argc, argv,
                       {{"LoadStore", "RawRead"},
                        {"SaveSections", "RawWriteFlush"},
                        {"SaveSections", "RawWriteFlushRename"}});
}
