#include "tests/bench/bench_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "store/data_file.h"

namespace tovik::bench {

namespace {
std::string MakeFile(size_t days, size_t dayText, size_t events, size_t noteText) {
  std::string out;
  AppendU16(out, 0x00A3);
  out.append(20, '\0');
  const auto text = [&out](size_t n, char fill) {
    AppendI32(out, static_cast<int32_t>(n + 1));
    for (size_t i = 0; i < n; ++i)
      out.push_back(i % 60 == 59 ? '\n' : static_cast<char>(fill + i % 20));
    out.push_back('\0');
  };
  AppendU16(out, static_cast<uint16_t>(days));
  for (size_t d = 0; d < days; ++d) {
    AppendU16(out, static_cast<uint16_t>(40000 + d * 3));
    text(dayText, 'a');
  }
  AppendU16(out, static_cast<uint16_t>(events));
  for (size_t e = 0; e < events; ++e) {
    out.push_back(static_cast<char>(1 + e % 14));
    out.push_back(static_cast<char>(1 + e % 28));
    text(60, 'A');
  }
  AppendU16(out, 8);
  for (int n = 0; n < 8; ++n) text(noteText, 'K');
  return out;
}

std::vector<BenchFile> Generate() {
  char dirTemplate[] = "/tmp/tovik-bench.XXXXXX";
  const std::string dir = mkdtemp(dirTemplate);
  std::vector<BenchFile> files = {
      {"100KB", "", MakeFile(200, 400, 50, 500)},
      {"5MB", "", MakeFile(2000, 2400, 300, 20000)},
      {"largest", "", MakeFile(2200, 32700, 300, 65533)},
  };
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
