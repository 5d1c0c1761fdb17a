// Any bytes as options.ini: reading must not crash, and the data location it
// leads to must be one of the two the program knows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/data_location.h"
#include "app/ini_file.h"
#include "tests/unit/memory_file_system_fake.h"

namespace {
class IniPlatform : public tovik::DataLocationPlatform {
 public:
  explicit IniPlatform(std::string text) : text_(std::move(text)) {}
  std::string SpecialFolder(int csidl) override { return csidl == 5 ? "C:\\Docs" : ""; }
  std::string ReadOptionsFile(const std::string&) override { return text_; }
  void RecycleFolder(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowMessage(const std::string&) override {}

 private:
  std::string text_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  tovik::IniFile ini(text);
  ini.ReadString("Misc", "DataAccess", "all");
  tovik::testing::MemoryFileSystem fs;
  IniPlatform platform(text);
  const tovik::DataLocation loc = tovik::ResolveDataLocation("C:\\P\\Tovik.exe", fs, platform);
  if (loc.DataRoot != "C:\\P\\" && loc.DataRoot != "C:\\Docs\\Brakvel\\Tovik\\") std::abort();
  return 0;
}
