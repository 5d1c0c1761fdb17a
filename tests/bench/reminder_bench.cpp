// The reminder's read and select beside the raw read of the same bytes.
#include <fcntl.h>
#include <unistd.h>

#include "reminder/due_selection.h"
#include "store/file_system_posix.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

// The bench files' days start at 40000, three days apart: some of them fall
// into the look-ahead from this day.
constexpr DueWindow kWindow{40300, 28};

void RawRead(benchmark::State& state, const BenchFile* f) {
  std::string buffer;
  for (auto _ : state) {
    const int fd = ::open(f->path.c_str(), O_RDONLY);
    buffer.resize(f->bytes.size());
    size_t got = 0;
    while (got < buffer.size()) {
      const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
  }
}

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
