#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tovik {

// An INI file held in memory, read only. Section and key names compare
// without regard to case; the first of duplicate keys wins; a UTF-8 byte
// order mark, CR LF, LF and CR line ends and lines without "=" are accepted.
class IniFile {
 public:
  explicit IniFile(std::string_view text);
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;

 private:
  struct Entry {
    std::string Section, Key, Value;
  };
  std::vector<Entry> entries_;
};

std::string TrimBlanks(std::string_view text);
std::string LowerAscii(std::string_view text);

}  // namespace tovik
