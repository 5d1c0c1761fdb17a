#include "organiser/pages/diary_search.h"

#include <cstring>

namespace tovik {

bool TextLowering::Holds(std::string_view text, std::string_view loweredNeedle) const {
  return Lower(text).find(loweredNeedle) != std::string::npos;
}

ByteTableLowering::ByteTableLowering(const std::array<unsigned char, 256>& table) : table_(table) {
  for (int b = 0; b < 256; ++b) sources_[table_[b]].push_back(static_cast<char>(b));
}

std::string ByteTableLowering::Lower(std::string_view text) const {
  std::string lowered(text);
  for (char& c : lowered) c = static_cast<char>(table_[static_cast<unsigned char>(c)]);
  return lowered;
}

// The text is never copied: each byte that lowers to the needle's first byte
// is found with memchr, one source byte at a time, and only there is the rest
// compared through the table.
bool ByteTableLowering::Holds(std::string_view text, std::string_view needle) const {
  if (needle.empty()) return true;
  if (needle.size() > text.size()) return false;
  const std::string& firsts = sources_[static_cast<unsigned char>(needle[0])];
  if (firsts.empty()) return false;
  const char* const begin = text.data();
  const char* const last = begin + (text.size() - needle.size());  // the last start that fits
  // The next place of each source byte, found once and moved on when passed;
  // only the entries of the source bytes are ever read.
  std::array<const char*, 256> next;
  for (const char source : firsts) {
    next[static_cast<unsigned char>(source)] =
        static_cast<const char*>(std::memchr(begin, source, static_cast<size_t>(last - begin) + 1));
  }
  for (;;) {
    const char* at = nullptr;
    for (const char source : firsts) {
      const char* place = next[static_cast<unsigned char>(source)];
      if (place != nullptr && (at == nullptr || place < at)) at = place;
    }
    if (at == nullptr) return false;
    size_t i = 1;
    while (i < needle.size() &&
           table_[static_cast<unsigned char>(at[i])] == static_cast<unsigned char>(needle[i])) {
      ++i;
    }
    if (i == needle.size()) return true;
    const char source = *at;
    next[static_cast<unsigned char>(source)] =
        at == last
            ? nullptr
            : static_cast<const char*>(std::memchr(at + 1, source, static_cast<size_t>(last - at)));
  }
}

std::array<unsigned char, 256> AsciiLowerTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    table[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
  }
  return table;
}

bool SearchWordIsEmpty(std::string_view word) {
  return word < std::string_view("!");
}

std::optional<uint16_t> FindDiaryDay(const std::vector<AppointmentEntry>& slots, int32_t shownDay,
                                     std::string_view loweredWord, SearchDirection direction,
                                     const TextLowering& lowering) {
  std::optional<uint16_t> best;
  const bool anyText = loweredWord.empty();
  for (const AppointmentEntry& slot : slots) {
    if (slot.Length() <= 0) continue;
    const bool beyond =
        direction == SearchDirection::Next ? slot.Day > shownDay : slot.Day < shownDay;
    if (!beyond) continue;
    const bool nearer =
        !best || (direction == SearchDirection::Next ? slot.Day < *best : slot.Day > *best);
    if (!nearer) continue;
    if (anyText || lowering.Holds(TextOf(slot.Text), loweredWord)) best = slot.Day;
  }
  return best;
}

}  // namespace tovik
