#pragma once
#include <string>

#include "store/store_file.h"
#include "tests/unit/memory_file_system_fake.h"

namespace tovik::testing {

inline const std::string kDataPath = "C:\\Data\\Tovik.dat";

class FakeStorePlatform : public StorePlatform {
 public:
  LocalDateTime Now() override { return now; }
  uint16_t UserDefaultLanguage() override { return lang_id; }
  std::string LocaleFirstDayOfWeek() override { return first_day; }
  std::string LocaleFirstWeekOfYear() override { return first_week; }
  std::string NetworkForm(const std::string& path) override {
    return network_form.empty() ? path : network_form;
  }
  LocalDateTime now{2026, 12, 8, 12, 0, 0, 0};
  uint16_t lang_id = 0x0409;     // English (United States)
  std::string first_day = "6";   // Sunday
  std::string first_week = "0";  // the week of 1 January
  std::string network_form;
};

}  // namespace tovik::testing
