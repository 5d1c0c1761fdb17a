// Next with a search word that no day holds, so that every day's text is
// searched, beside a plain case-sensitive memmem over the same texts.
#include <cstring>

#include "base/file_system_posix.h"
#include "organiser/pages/diary_search.h"
#include "store/store_file.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

// Close to the bench texts' letters, so that its first letter comes often.
constexpr std::string_view kWord = "Meeting";

const OrganiserStore& Store(const BenchFile* f) {
  static PosixFileSystem fs;
  static FixedStorePlatform platform;
  static const std::unique_ptr<OrganiserStore> store = StoreFile(fs, f->path).Load(platform);
  return *store;
}

void Memmem(benchmark::State& state, const BenchFile* f) {
  const OrganiserStore& store = Store(f);
  for (auto _ : state) {
    size_t found = 0;
    for (const AppointmentEntry& slot : store.AppointmentSlots) {
      const std::string_view text = TextOf(slot.Text);
      found += memmem(text.data(), text.size(), kWord.data(), kWord.size()) != nullptr;
    }
    benchmark::DoNotOptimize(found);
  }
}

void Next(benchmark::State& state, const BenchFile* f) {
  const OrganiserStore& store = Store(f);
  const ByteTableLowering lowering(AsciiLowerTable());
  const std::string word = lowering.Lower(kWord);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FindDiaryDay(store.AppointmentSlots, 0, word, SearchDirection::Next, lowering));
  }
}

}  // namespace
}  // namespace tovik::bench

int main(int argc, char** argv) {
  using namespace tovik::bench;
  for (const BenchFile& f : BenchFiles()) {
    if (f.name != "largest") continue;
    benchmark::RegisterBenchmark(("Memmem/" + f.name).c_str(), Memmem, &f)->UseRealTime();
    benchmark::RegisterBenchmark(("DiarySearch/" + f.name).c_str(), Next, &f)->UseRealTime();
  }
  return RunWithRatios(argc, argv, {{"DiarySearch", "Memmem"}});
}
