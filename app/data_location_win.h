#pragma once
#include <string>

#include "app/data_location.h"

namespace tovik {

// The shell's answers for choosing the data folder: special folders, the
// recycle bin and message boxes titled with the program's title.
class Win32DataLocationPlatform : public DataLocationPlatform {
 public:
  explicit Win32DataLocationPlatform(std::wstring title) : title_(std::move(title)) {}
  std::string SpecialFolder(int csidl) override;
  std::string ReadOptionsFile(const std::string& path) override;
  void RecycleFolder(const std::string& folder) override;
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text) override;

 private:
  std::wstring title_;
};

}  // namespace tovik
