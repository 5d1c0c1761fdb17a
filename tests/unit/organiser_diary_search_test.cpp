// Previous and Next on the calendar page: the nearest day with text, with or
// without a search word, compared without regard to case.
#include <gtest/gtest.h>

#include "organiser/pages/diary_search.h"

namespace tovik {
namespace {

// Latin-1 capitals and small letters, as a Western locale lowers them.
std::array<unsigned char, 256> Latin1Table() {
  std::array<unsigned char, 256> table = AsciiLowerTable();
  for (int b = 0xC0; b <= 0xDE; ++b) {
    if (b != 0xD7) table[b] = static_cast<unsigned char>(b + 0x20);
  }
  return table;
}

std::vector<AppointmentEntry> Slots() {
  const auto entry = [](uint16_t day, std::string text) {
    text.push_back('\0');
    return AppointmentEntry{day, StoredText(text)};
  };
  // Not in date order; a freed slot among them.
  return {entry(40010, "Meeting with Bob"),
          entry(40003, "dentist"),
          AppointmentEntry{},
          entry(40020,
                "\xC6"
                "BLESKIVER at \xD8"
                "sters"),
          entry(40001, "Team meeting"),
          entry(40015, "lunch")};
}

TEST(FindDiaryDay, NearestDayWithTextOrWithTheWord) {
  const ByteTableLowering lowering(Latin1Table());
  struct Case {
    int32_t shown;
    const char* word;
    SearchDirection direction;
    std::optional<uint16_t> found;
  } cases[] = {
      {40000, "", SearchDirection::Next, 40001},
      {40001, "", SearchDirection::Next, 40003},
      {40020, "", SearchDirection::Next, std::nullopt},
      {40001, "", SearchDirection::Previous, std::nullopt},
      {40016, "", SearchDirection::Previous, 40015},
      {40000, "meeting", SearchDirection::Next, 40001},
      {40001, "meeting", SearchDirection::Next, 40010},
      {40010, "meeting", SearchDirection::Next, std::nullopt},
      {40030, "meeting", SearchDirection::Previous, 40010},
      {40000,
       "\xE6"
       "bleskiver",
       SearchDirection::Next, 40020},  // national capitals
      {40000,
       "\xF8"
       "sters",
       SearchDirection::Next, 40020},
      {40000, "bob", SearchDirection::Next, 40010},
      {40000, "nowhere", SearchDirection::Next, std::nullopt},
  };
  const std::vector<AppointmentEntry> slots = Slots();
  for (const Case& c : cases) {
    EXPECT_EQ(FindDiaryDay(slots, c.shown, lowering.Lower(c.word), c.direction, lowering), c.found)
        << c.shown << " " << c.word;
  }
}

// A word that sorts before "!" is no word at all: every day with text counts.
TEST(SearchWordIsEmpty, BelowTheExclamationMark) {
  EXPECT_TRUE(SearchWordIsEmpty(""));
  EXPECT_TRUE(SearchWordIsEmpty(" meeting"));
  EXPECT_TRUE(SearchWordIsEmpty("\tx"));
  EXPECT_FALSE(SearchWordIsEmpty("!"));
  EXPECT_FALSE(SearchWordIsEmpty("meeting"));
}

// The byte-table search finds what lower-casing the whole text finds, at
// every place and for needles of every length.
TEST(ByteTableLowering, HoldsAgreesWithLoweringTheWholeText) {
  const ByteTableLowering lowering(Latin1Table());
  const std::string text = "aAbBaAB \xC6\xE6 xyzXYZ aab AAB";
  for (size_t from = 0; from < text.size(); ++from) {
    for (size_t length = 1; from + length <= text.size() && length < 6; ++length) {
      const std::string needle = lowering.Lower(text.substr(from, length));
      for (const std::string& haystack : {text, text.substr(1), text.substr(0, text.size() - 2)}) {
        EXPECT_EQ(lowering.Holds(haystack, needle),
                  lowering.Lower(haystack).find(needle) != std::string::npos)
            << needle << " in " << haystack;
      }
    }
  }
  EXPECT_FALSE(lowering.Holds("ab", "abc"));
  EXPECT_TRUE(lowering.Holds("anything", ""));
}

}  // namespace
}  // namespace tovik
