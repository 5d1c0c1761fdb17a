#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tovik::ui {

// What the data file can hold of a box's text: stored texts are bytes of the
// system's code page, so a character it has no byte for would be stored as
// "?" without a word. `character` is one character: a code unit, or a
// surrogate pair.
class CharacterRule {
 public:
  virtual bool Holds(std::wstring_view character) const = 0;
  // The bytes a text takes once stored.
  virtual size_t Bytes(std::wstring_view text) const = 0;

 protected:
  ~CharacterRule() = default;
};

// What a stored box takes of a text typed or pasted into it.
struct FilteredInput {
  std::wstring kept;     // the text less what is left out, in order
  std::wstring leftOut;  // each character the rule does not hold, once
  bool tooLong = false;  // the rest was cut where the stored text ran out of bytes
};

// Filters an insertion into a box whose stored text has `room` bytes left.
FilteredInput FilterInput(std::wstring_view text, const CharacterRule& rule, size_t room);

// The characters left out, for a message: one is named with its code point
// (an accent or a space that does not show is still found), several are
// listed, the first `most` of them.
std::wstring NameCharacters(std::wstring_view characters, size_t most = 20);

// A language text with its `mark` ("%1", "%2") replaced by `value`.
std::wstring FillIn(std::wstring_view text, std::wstring_view value,
                    std::wstring_view mark = L"%1");

}  // namespace tovik::ui
