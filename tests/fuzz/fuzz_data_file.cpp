// Any bytes as Tovik.dat: loading must not crash or read past the end, must
// write nothing when every setting is set, and what it loaded must come back
// unchanged through a save and a second load.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/store_file.h"
#include "tests/unit/memory_file_system_fake.h"

namespace {
class FixedPlatform : public tovik::StorePlatform {
 public:
  tovik::LocalDateTime Now() override { return {2026, 12, 8, 9, 0, 0, 0}; }
  uint16_t UserDefaultLanguage() override { return 0x0406; }
  std::string LocaleFirstDayOfWeek() override { return "0"; }
  std::string LocaleFirstWeekOfYear() override { return "2"; }
  std::string NetworkForm(const std::string& path) override { return path; }
};

void Check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tovik;
  const std::string path = "C:\\Tovik.dat";
  const std::string input(reinterpret_cast<const char*>(data), size);
  testing::MemoryFileSystem fs;
  FixedPlatform platform;
  fs.Put(path, input);
  StoreFile file(fs, path);
  const std::unique_ptr<OrganiserStore> loaded = file.Load(platform);
  OrganiserStore& store = *loaded;

  const Settings s = SplitSettingsWord(DecodeHeader(input).SettingsWord());
  const bool allSet =
      size >= 2 && IsLanguage(s.LanguageId) && IsWeekStart(s.WeekStartDay) && s.FirstWeekRule >= 1;
  if (allSet) Check(fs.writes == 0 && fs.Get(path) == input);
  Check(store.EventCount() <= kEventSlots);

  store.DataModified = true;
  file.SaveSections(store);
  const std::unique_ptr<OrganiserStore> reloaded = StoreFile(fs, path).Load(platform);
  const OrganiserStore& again = *reloaded;
  Check(again.AppointmentCount() == store.AppointmentCount());
  for (size_t i = 0; i < store.AppointmentCount(); ++i) {
    Check(again.AppointmentSlots[i].Day == store.AppointmentSlots[i].Day);
    Check(again.AppointmentSlots[i].Text == store.AppointmentSlots[i].Text);
  }
  Check(again.EventCount() == store.EventCount());
  for (size_t i = 0; i < kNotePages; ++i) Check(again.NotePages[i].Text == store.NotePages[i].Text);
  return 0;
}
