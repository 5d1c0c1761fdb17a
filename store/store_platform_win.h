#pragma once
#include "store/store_file.h"

namespace tovik {

// The user's clock and regional settings, and the network form of a path.
class Win32StorePlatform : public StorePlatform {
 public:
  LocalDateTime Now() override;
  uint16_t UserDefaultLanguage() override;
  std::string LocaleFirstDayOfWeek() override;
  std::string LocaleFirstWeekOfYear() override;
  std::string NetworkForm(const std::string& path) override;
};

}  // namespace tovik
