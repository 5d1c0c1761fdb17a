// Any bytes as Tovik.dat for the reminder: reading must not crash or read
// past the end, the file read through its buffer must select what the whole
// image selects, the tables stay within their capacity, everything selected
// lies in the look-ahead, and the day texts can be built from it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "reminder/day_texts.h"
#include "store/section_reader.h"
#include "tests/unit/memory_file_system_fake.h"

namespace {
class EchoFormatter : public tovik::DateFormatter {
 public:
  tovik::LocaleDateFormats Formats() override { return {"M/d/yyyy", "MMMM d, yyyy"}; }
  std::string Format(const tovik::CalendarDate& date, std::string_view picture) override {
    return std::string(picture) + std::to_string(date.Day);
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovik;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const DueWindow window{tovik::DayNumberFromDate(2026, 12, 28), size % 2 ? 28 : 7};
  testing::MemoryFileSystem fs;
  fs.Put("Tovik.dat", input);
  const auto read = ReadAndSelect(fs, "Tovik.dat", window);
  Check(read.has_value());
  const ReminderData whole = SelectDue(input, window);
  Check(*read == whole);

  Check(whole.Appointments.size() <= kDesignedAppointmentSlots);
  Check(whole.Events.size() <= kEventSlots);
  Check(whole.DueList.size() == whole.Appointments.size() + whole.Events.size());
  Check(IsLanguage(whole.LanguageId));
  for (const DueEntry& entry : whole.DueList) Check(window.Contains(DateOfDueKey(entry.Key)));

  EchoFormatter dates;
  BuildDayTexts(whole, window.Today, dates, [](std::string_view t) { return std::string(t); });
  return 0;
}
