#pragma once
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tovik::bench {

// Data files of the sizes the benchmarks use, written once per run into a
// temporary folder: about 100 KB, about 5 MB, and the largest valid file
// (2200 days of 32700 characters, 300 events, 8 full note pages).
struct BenchFile {
  std::string name;
  std::string path;
  std::string bytes;
};
const std::vector<BenchFile>& BenchFiles();

// The floor of reading: open, read the whole file into a reused buffer, close.
void RawRead(benchmark::State& state, const BenchFile* f);

// Runs the registered benchmarks, then prints for each pair "work/floor" the
// ratio of their mean real times, e.g. {"LoadStore", "RawRead"}.
int RunWithRatios(int argc, char** argv,
                  const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace tovik::bench
