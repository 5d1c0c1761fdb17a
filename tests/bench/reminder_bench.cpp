// The reminder's read and select beside the raw read of the same bytes.
#include "base/file_system_posix.h"
#include "reminder/due_selection.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

// The bench files' days start at 40000, three days apart: some of them fall
// into the look-ahead from this day.
constexpr DueWindow kWindow{40300, 28};

void Select(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  for (auto _ : state) {
    auto data = ReadAndSelect(fs, f->path, kWindow);
    if (!data || data->Appointments.empty()) state.SkipWithError("nothing selected");
    benchmark::DoNotOptimize(data);
  }
}

}  // namespace
}  // namespace tovik::bench

int main(int argc, char** argv) {
  using namespace tovik::bench;
  for (const BenchFile& f : BenchFiles()) {
    if (f.name != "5MB" && f.name != "largest") continue;
    benchmark::RegisterBenchmark(("RawRead/" + f.name).c_str(), RawRead, &f)->UseRealTime();
    benchmark::RegisterBenchmark(("ReadAndSelect/" + f.name).c_str(), Select, &f)->UseRealTime();
  }
  return RunWithRatios(argc, argv, {{"ReadAndSelect", "RawRead"}});
}
