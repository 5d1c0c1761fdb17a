// Any bytes as Tovik.dat, loaded by the organiser, then read by everything
// that reads the store: the diary export, the iCalendar export, the printed
// calendar and the events list on a recording canvas, and the reminder's
// selection and day texts. Nothing may crash or read out of bounds; each
// export must be written whole, and the printed calendar ended once.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "organiser/output/diary_export.h"
#include "organiser/output/icalendar_export.h"
#include "organiser/output/printing.h"
#include "reminder/day_texts.h"
#include "store/section_reader.h"
#include "store/store_file.h"
#include "tests/unit/memory_file_system_fake.h"
#include "tests/unit/recording_canvas.h"
#include "tests/unit/store_test_support.h"

namespace {
using namespace tovik;

class EchoFormatter : public DateFormatter {
 public:
  LocaleDateFormats Formats() override { return {"M/d/yyyy", "MMMM d, yyyy"}; }
  std::string Format(const CalendarDate& date, std::string_view picture) override {
    return std::string(picture) + std::to_string(date.Day);
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string Echo(std::string_view text) {
  return std::string(text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = "C:\\Tovik.dat";
  const std::string input(reinterpret_cast<const char*>(data), size);
  testing::MemoryFileSystem fs;
  testing::FakeStorePlatform platform;
  fs.Put(path, input);
  const std::unique_ptr<OrganiserStore> store = StoreFile(fs, path).Load(platform);
  const CalendarDate today{2026, 12, 8};

  ExportDiary(fs, "C:\\diary.txt", store->AppointmentSlots,
              [](int32_t day) { return std::to_string(day); });
  Check(fs.FileExists("C:\\diary.txt"));
  ExportICalendar(fs, "C:\\Tovik.ics",
                  {.Slots = store->AppointmentSlots,
                   .Events = store->EventSlots,
                   .Today = DayNumberFromDate(today),
                   .Stamp = "20261208T090000Z",
                   .ToUtf8 = Echo});
  Check(fs.Get("C:\\Tovik.ics").rfind("END:VCALENDAR") != std::string::npos);

  testing::RecordingCanvas::Record record;
  testing::RecordingCanvas canvas(2400, 3200, record);
  const CalendarPrintTexts texts{.Title = "Tovik",
                                 .PageLabel = "Page",
                                 .ColumnCaption = "Date",
                                 .TodayShortDate = "12/8/2026",
                                 .DateLine = [](int32_t day) { return std::to_string(day); },
                                 .Text = Echo};
  PrintCalendar(canvas, *store, BuildPrintList(*store, today), texts);
  Check(record.ended == 1);
  std::vector<PrintedEventRow> rows;
  for (const PeriodicEvent& event : store->EventSlots) {
    rows.push_back(
        {std::to_string(event.Month), std::to_string(event.Day), std::string(TextOf(event.Text))});
  }
  testing::RecordingCanvas rowsCanvas(2400, 3200, record);
  PrintEventsList(rowsCanvas, store->Header.LanguageId, rows);

  const DueWindow window{DayNumberFromDate(today), size % 2 ? 28 : 7};
  const ReminderData due = SelectDue(input, window);
  EchoFormatter dates;
  BuildDayTexts(due, window.Today, dates, Echo);
  return 0;
}
