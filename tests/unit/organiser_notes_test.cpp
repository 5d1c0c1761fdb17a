// The to-do and notes page's rules: the tab titles and where the search of
// the shown page finds its text.
#include <gtest/gtest.h>

#include "organiser/pages/notes.h"
#include "organiser/pages/page_search.h"

namespace tovik {
namespace {

TEST(NoteTabTitle, IsTheFirstWordOfTheFirstLine) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Shopping", "Shopping"},
      {"Shopping list\r\n$milk", "Shopping"},
      {"Tel.\tnumbers", "Tel."},
      {"\r\nstarts with a line break", ""},
      {" indented", ""},
      {"\xC6"
       "bler og p\xE6rer",
       "\xC6"
       "bler"},  // characters above 127 belong to the word
      {"", ""},
  };
  for (const auto& [text, title] : cases) EXPECT_EQ(NoteTabTitle(text), title) << text;
}

TEST(StartsSearch, OnlyAfterTheExclamationMark) {
  EXPECT_FALSE(StartsSearch(L""));
  EXPECT_FALSE(StartsSearch(L"!"));
  EXPECT_FALSE(StartsSearch(L" milk"));
  EXPECT_TRUE(StartsSearch(L"!x"));
  EXPECT_TRUE(StartsSearch(L"milk"));
}

// The caret's own character is skipped, repeating steps from match to match,
// and the search goes round to the start, from the end of the text too.
TEST(NextNoteMatch, FromTheCharacterAfterTheCaretAndRound) {
  const std::wstring_view text = L"milk and more milk";  // 18 characters
  struct Case {
    size_t caret;
    std::wstring_view needle;
    std::optional<size_t> found;
  } cases[] = {
      {0, L"milk", 14},  // the match at the caret itself is passed over
      {14, L"milk", 0},  // round to the start
      {1, L"milk", 14},
      {0, L"and", 5},
      {17, L"milk", 0},  // one character before the end
      {16, L"milk", 0},  // two before the end
      {18, L"milk", 0},  // at the end
      {18, L"k", 3},     // at the end, round to the first
      {15, L"k", 17},    // the part after the caret holds two characters
      {0, L"bread", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextNoteMatch(text, c.caret, c.needle), c.found) << c.caret << " " << c.needle.size();
  }
}

}  // namespace
}  // namespace tovik
