#pragma once
#include <string>
#include <vector>

namespace tovik::bench {

// The bytes of a data file of `days` day texts of `dayText` characters (the
// first on DayNumber 40000, then every third day), `events` events and eight
// note pages of `noteText` characters.
std::string MakeBenchFile(size_t days, size_t dayText, size_t events, size_t noteText);

// The sizes the benchmarks use: about 100 KB, about 5 MB, and the largest
// valid file (2200 days of 32700 characters, 300 events, 8 full note pages).
struct BenchData {
  std::string name;
  std::string bytes;
};
std::vector<BenchData> BenchDataFiles();

}  // namespace tovik::bench
