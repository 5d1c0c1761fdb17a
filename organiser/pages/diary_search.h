#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/organiser_store.h"

// Previous and Next on the calendar page: the nearest day with text, before
// or after the shown day, optionally only days whose text holds a search
// word. Capital and small letters match each other by the user's locale.
namespace tovik {

// Lower-cases stored texts (bytes of the ANSI code page) by the user's locale.
class TextLowering {
 public:
  virtual ~TextLowering() = default;
  virtual std::string Lower(std::string_view text) const = 0;
  // True when the text, lower-cased, holds the lower-cased needle.
  virtual bool Holds(std::string_view text, std::string_view loweredNeedle) const;
};

// The lowering of a single-byte code page: a table of the 256 bytes, made
// once from the locale, so that a search calls the system not at all.
class ByteTableLowering : public TextLowering {
 public:
  explicit ByteTableLowering(const std::array<unsigned char, 256>& table);
  std::string Lower(std::string_view text) const override;
  bool Holds(std::string_view text, std::string_view loweredNeedle) const override;

 private:
  std::array<unsigned char, 256> table_;
  // For each lowered byte, the bytes that lower to it, in a string.
  std::array<std::string, 256> sources_;
};

// ASCII letters only: the locale's table where none can be had.
std::array<unsigned char, 256> AsciiLowerTable();

// The search word counts as empty when it sorts before "!" byte by byte: an
// empty word, or one that begins with a space or a control character.
bool SearchWordIsEmpty(std::string_view word);

enum class SearchDirection { Previous, Next };

// The Day of the slot with text nearest after (Next) or before (Previous)
// `shownDay` whose text, lower-cased, holds `loweredWord`; any day with text
// when the word is empty. The slots are in no order, so all are examined.
std::optional<uint16_t> FindDiaryDay(const std::vector<AppointmentEntry>& slots, int32_t shownDay,
                                     std::string_view loweredWord, SearchDirection direction,
                                     const TextLowering& lowering);

}  // namespace tovik
