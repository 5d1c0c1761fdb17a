#include <gtest/gtest.h>

#include <string>

#include "ui/input_filter.h"

namespace tovik::ui {
namespace {

// A Western code page: one byte for each of the first 256 characters.
class Latin1 : public CharacterRule {
 public:
  bool Holds(std::wstring_view c) const override { return c.size() == 1 && c[0] <= 0xFF; }
  size_t Bytes(std::wstring_view text) const override { return text.size(); }
};

// UTF-8 as the code page: every character, in one to four bytes.
class Utf8 : public CharacterRule {
 public:
  bool Holds(std::wstring_view) const override { return true; }
  size_t Bytes(std::wstring_view text) const override {
    size_t bytes = 0;
    for (const wchar_t c : text) {
      bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : (c >= 0xD800 && c <= 0xDFFF) ? 2 : 3;
    }
    return bytes;
  }
};

// A smiley as a surrogate pair, as UTF-16 gives it.
const std::wstring kSmiley{wchar_t(0xD83D), wchar_t(0xDE00)};

TEST(InputFilter, KeepsWhatTheCodePageHoldsAndWhatFits) {
  const Latin1 latin1;
  const Utf8 utf8;
  struct Case {
    const char* name;
    const CharacterRule& rule;
    std::wstring text;
    size_t room;
    std::wstring kept, leftOut;
    bool tooLong;
  };
  const Case cases[] = {
      {"Cyrillic on a Western system", latin1, L"Hi Привет, мир", 100, L"Hi , ", L"Приветм", false},
      {"a pair is one character", latin1, L"Grüße " + kSmiley + L"!", 100, L"Grüße !", kSmiley,
       false},
      {"half a pair is left out", latin1, L"a" + kSmiley.substr(0, 1), 100, L"a",
       kSmiley.substr(0, 1), false},
      {"a refused character costs no room", latin1, L"Пab", 2, L"ab", L"П", false},
      {"cut where the room ends", latin1, L"abcd", 2, L"ab", L"", true},
      {"UTF-8 refuses nothing", utf8, L"Привет " + kSmiley, 100, L"Привет " + kSmiley, L"", false},
      {"UTF-8 counts bytes, not characters", utf8, L"Привет", 8, L"Прив", L"", true},
      {"a pair is not split at the limit", utf8, L"a" + kSmiley, 4, L"a", L"", true},
  };
  for (const Case& c : cases) {
    const FilteredInput got = FilterInput(c.text, c.rule, c.room);
    EXPECT_EQ(got.kept, c.kept) << c.name;
    EXPECT_EQ(got.leftOut, c.leftOut) << c.name;
    EXPECT_EQ(got.tooLong, c.tooLong) << c.name;
  }
}

TEST(InputFilter, NamesTheCharactersLeftOut) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"П", L"П (U+041F)"},
      {kSmiley, kSmiley + L" (U+1F600)"},
      {L"\u0301", L"\u0301 (U+0301)"},  // an accent alone does not show
      {L"При" + kSmiley, L"П р и " + kSmiley},
      {L"абвгдежзийклмнопрстуфх", L"а б в г д е ж з и й к л м н о п р с т у …"},
  };
  for (const auto& [characters, named] : cases) EXPECT_EQ(NameCharacters(characters), named);
}

}  // namespace
}  // namespace tovik::ui
