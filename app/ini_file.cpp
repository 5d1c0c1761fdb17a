#include "app/ini_file.h"

#include <algorithm>

namespace tovik {

namespace {
bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}
}  // namespace

std::string TrimBlanks(std::string_view text) {
  // Control characters count as blanks, as the system's trimming does.
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return out;
}

IniFile::IniFile(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string section;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    const std::string trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed[0] == ';') continue;
    if (trimmed.front() == '[') {
      const size_t close = trimmed.find(']');
      section = TrimBlanks(std::string_view(trimmed).substr(
          1, close == std::string::npos ? std::string::npos : close - 1));
      continue;
    }
    const size_t eq = trimmed.find('=');
    if (eq == std::string::npos) continue;
    entries_.push_back({section, TrimBlanks(std::string_view(trimmed).substr(0, eq)),
                        std::string(std::string_view(trimmed).substr(eq + 1))});
  }
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  for (const Entry& e : entries_) {
    if (EqualNoCase(e.Section, section) && EqualNoCase(e.Key, key)) return e.Value;
  }
  return std::string(defaultValue);
}

}  // namespace tovik
