#include "tests/bench/bench_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <new>

#include "tests/bench/bench_data.h"

namespace tovik::bench {

namespace {
std::vector<BenchFile> Generate() {
  char dirTemplate[] = "/tmp/tovik-bench.XXXXXX";
  const std::string dir = mkdtemp(dirTemplate);
  std::vector<BenchFile> files;
  for (BenchData& data : BenchDataFiles()) files.push_back({data.name, "", std::move(data.bytes)});
  for (BenchFile& f : files) {
    f.path = dir + "/" + f.name + ".dat";
    std::ofstream(f.path, std::ios::binary)
        .write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
  }
  return files;
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // Aggregates are reported after the runs, so with --benchmark_repetitions
    // the median takes the place of the runs; a single run stands for itself.
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Iteration ||
          (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median"))
        times[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
  }
  std::map<std::string, double> times;
};
}  // namespace

// Into memory that starts on a cache line, as the store's load buffer does:
// the system copies into such memory markedly faster.
void RawRead(benchmark::State& state, const BenchFile* f) {
  constexpr std::align_val_t kAlignment{64};
  const size_t size = f->bytes.size();
  const std::unique_ptr<char, void (*)(char*)> buffer(
      static_cast<char*>(::operator new[](size + 1, kAlignment)),
      [](char* bytes) { ::operator delete[](bytes, kAlignment); });
  for (auto _ : state) {
    const int fd = ::open(f->path.c_str(), O_RDONLY);
    size_t got = 0;
    while (got < size) {
      const ssize_t n = ::read(fd, buffer.get() + got, size - got);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.get());
  }
}

void RawWriteFlush(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::fsync(fd);
  ::close(fd);
}

void RawWriteFlushRename(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".tmp";
  RawWriteFlush(temp, bytes);
  std::rename(temp.c_str(), path.c_str());
}

const std::vector<BenchFile>& BenchFiles() {
  static const std::vector<BenchFile> files = Generate();
  return files;
}

int RunWithRatios(int argc, char** argv,
                  const std::vector<std::pair<std::string, std::string>>& pairs) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nratio to the floor (same run):\n");
  for (const auto& [work, floor] : pairs) {
    for (const BenchFile& f : BenchFiles()) {
      const auto w = reporter.times.find(work + "/" + f.name);
      const auto b = reporter.times.find(floor + "/" + f.name);
      if (w == reporter.times.end() || b == reporter.times.end()) continue;
      std::printf("  %-14s %-8s %6.2fx  (%s)\n", work.c_str(), f.name.c_str(),
                  w->second / b->second, floor.c_str());
    }
  }
  for (const BenchFile& f : BenchFiles()) std::remove(f.path.c_str());
  benchmark::Shutdown();
  return 0;
}

}  // namespace tovik::bench
