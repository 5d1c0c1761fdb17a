// ExportDiary beside the raw write plus flush of the same bytes, and the
// calendar printout (its list and layout) for 2200 day texts from today on,
// per printed page.
#include <unistd.h>

#include <string>

#include "base/file_system_posix.h"
#include "organiser/output/diary_export.h"
#include "organiser/output/printing.h"
#include "store/store_file.h"
#include "tests/bench/bench_files.h"

namespace tovik::bench {
namespace {

// A short date as the system gives it; the formatting is the platform's
// work, not the export's.
std::string ShortDate(int32_t day) {
  const CalendarDate d = DateFromDayNumber(day);
  return std::to_string(d.Month) + "/" + std::to_string(d.Day) + "/" + std::to_string(d.Year);
}

struct Export {
  OrganiserStore store;
  std::string path;
  std::string bytes;  // what one export writes
};

Export Prepare(const BenchFile& f) {
  static PosixFileSystem fs;
  FixedStorePlatform platform;
  Export e{*StoreFile(fs, f.path).Load(platform), f.path + ".txt", {}};
  ExportDiary(fs, e.path, e.store.AppointmentSlots, ShortDate);
  e.bytes = ReadWholeFile(*fs.Open(e.path, OpenMode::ExistingRead));
  return e;
}

void ExportDiaryBench(benchmark::State& state, const BenchFile* f) {
  PosixFileSystem fs;
  const Export e = Prepare(*f);
  for (auto _ : state) ExportDiary(fs, e.path, e.store.AppointmentSlots, ShortDate);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.bytes.size()));
  ::unlink(e.path.c_str());
}

void RawWriteFlushBench(benchmark::State& state, const BenchFile* f) {
  const Export e = Prepare(*f);
  for (auto _ : state) RawWriteFlush(e.path, e.bytes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * e.bytes.size()));
  ::unlink(e.path.c_str());
}

// A printer of 300 dots per inch on A4 (2480 x 3508 dots): Arial's widths
// and heights at its sizes, averaged.
class MeasuringCanvas : public PrintCanvas {
 public:
  void SetFontSize(int points) override { size_ = points * 300 / 72; }
  int TextWidth(std::string_view text) override {
    return static_cast<int>(text.size()) * size_ / 2;
  }
  int TextHeight(std::string_view) override { return size_ * 115 / 100; }
  int CharHeight() override { return size_ * 115 / 100; }
  int AverageCharWidth() override { return size_ / 2; }
  int PageWidth() override { return 2480; }
  int PageHeight() override { return 3508; }
  void DrawText(int, int, std::string_view text) override { drawn_ += text.size(); }
  void NewPage() override {}
  void EndDocument() override {}
  size_t drawn_ = 0;

 private:
  int size_ = 0;
};

// 2200 day texts of four lines from today on, and 300 yearly events.
void PrintCalendarBench(benchmark::State& state) {
  OrganiserStore store;
  const CalendarDate today{2026, 12, 8};
  const int32_t first = DayNumberFromDate(today);
  for (int d = 0; d < 2200; ++d) {
    AppointmentEntry& slot = store.AppointmentSlots.emplace_back();
    slot.Day = static_cast<uint16_t>(first + d);
    slot.Text = std::string(
        "Meeting with the team about the plans\r\nRoom 4, second floor\r\n"
        "Bring the figures of the last quarter and the new budget\r\n"
        "Lunch after\0",
        140);
  }
  for (int e = 0; e < 300; ++e) {
    PeriodicEvent& event = store.EventSlots.emplace_back();
    event.Month = static_cast<uint8_t>(1 + e % 12);
    event.Day = static_cast<uint8_t>(1 + e % 28);
    event.Text = std::string("Birthday of a good friend, with a card\0", 39);
  }
  const CalendarPrintTexts texts{
      .Title = "Appointments etc.",
      .PageLabel = ", Page ",
      .ColumnCaption = "Week,Date,Day",
      .TodayShortDate = "12/8/2026",
      .DateLine = [](int32_t day) { return "49, " + ShortDate(day) + ", Tue"; },
      .Text = [](std::string_view s) { return std::string(s); }};
  int pages = 0;
  for (auto _ : state) {
    MeasuringCanvas canvas;
    pages = PrintCalendar(canvas, store, BuildPrintList(store, today), texts);
    benchmark::DoNotOptimize(canvas.drawn_);
  }
  state.counters["pages"] = pages;
  state.counters["per_page"] = benchmark::Counter(
      pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace
}  // namespace tovik::bench

int main(int argc, char** argv) {
  using namespace tovik::bench;
  const BenchFile& largest = BenchFiles().back();
  benchmark::RegisterBenchmark(("RawWriteFlush/" + largest.name).c_str(), RawWriteFlushBench,
                               &largest)
      ->UseRealTime();
  benchmark::RegisterBenchmark(("ExportDiary/" + largest.name).c_str(), ExportDiaryBench, &largest)
      ->UseRealTime();
  benchmark::RegisterBenchmark("PrintCalendar/2200days", PrintCalendarBench)->UseRealTime();
  return RunWithRatios(argc, argv, {{"ExportDiary", "RawWriteFlush"}});
}
