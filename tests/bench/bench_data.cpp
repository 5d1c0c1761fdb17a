#include "tests/bench/bench_data.h"

#include "tests/unit/data_file_builder.h"

namespace tovik::bench {
namespace {

// Texts of n characters in lines of 60.
std::string BenchText(size_t n, char fill) {
  std::string text;
  for (size_t i = 0; i < n; ++i)
    text.push_back(i % 60 == 59 ? '\n' : static_cast<char>(fill + i % 20));
  return text;
}

}  // namespace

std::string MakeBenchFile(size_t days, size_t dayText, size_t events, size_t noteText) {
  testing::DataFileBuilder file(0x00A3);
  file.U16(static_cast<uint16_t>(days));
  for (size_t d = 0; d < days; ++d) {
    file.Appointment(static_cast<uint16_t>(40000 + d * 3), BenchText(dayText, 'a'));
  }
  file.U16(static_cast<uint16_t>(events));
  for (size_t e = 0; e < events; ++e) {
    file.Event(static_cast<uint8_t>(1 + e % 14), static_cast<uint8_t>(1 + e % 28),
               BenchText(60, 'A'));
  }
  file.U16(8);
  for (int n = 0; n < 8; ++n) file.Text(BenchText(noteText, 'K'));
  return file.bytes();
}

std::vector<BenchData> BenchDataFiles() {
  return {
      {"100KB", MakeBenchFile(200, 400, 50, 500)},
      {"5MB", MakeBenchFile(2000, 2400, 300, 20000)},
      {"largest", MakeBenchFile(2200, 32700, 300, 65533)},
  };
}

}  // namespace tovik::bench
