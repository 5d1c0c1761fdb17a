#include <gtest/gtest.h>

#include <vector>

#include "reminder/notes_extract.h"

namespace tovik {
namespace {

std::string Extract(const std::vector<std::string>& pages) {
  std::string extract;
  for (const auto& page : pages) AppendNotesExtract(extract, page);
  return extract;
}

TEST(NotesExtract, TakesDollarLinesUnderThePageHeading) {
  struct Case {
    const char* name;
    std::vector<std::string> pages;
    std::string extract;
  };
  const Case cases[] = {
      {"word", {"Shop\r\n$milk\r\n$bread"}, "-----Shop -----\r\nmilk\r\nbread\r\n"},
      {"word before a blank", {"Shop list\r\n$milk"}, "-----Shop -----\r\nmilk\r\n"},
      {"word before a tab", {"Shop\tlist\r\n$milk"}, "-----Shop -----\r\nmilk\r\n"},
      {"space first", {" Shop\r\n$milk"}, "milk\r\n"},
      {"tab first", {"\tShop\r\n$milk"}, "milk\r\n"},
      {"line break first", {"\r\n$milk"}, "milk\r\n"},
      {"! and a line break", {"!\r\n$milk"}, "-----! -----\r\nmilk\r\n"},
      {"!text", {"!Plan\r\n$milk"}, "-----!Plan -----\r\nmilk\r\n"},
      {"marked first line", {"$milk now\r\nx"}, "-----milk -----\r\nmilk now\r\n"},
      {"one word, no blank or CR", {"$milk"}, "-----milkmilk\r\n"},
      {"dollar further into a line", {"Shop\r\nbuy $milk\r\n $x"}, ""},
      {"no marked line", {"Shop\r\nmilk"}, ""},
      {"empty page", {""}, ""},
      {"empty marked line", {"Shop\r\n$\r\n$b"}, "-----Shop -----\r\n\r\nb\r\n"},
      {"dollars in the heading are left out",
       {"$$Shop$\r\n$milk"},
       "-----Shop -----\r\n$Shop$\r\nmilk\r\n"},
      {"blank lines between marked lines", {"A\r\n$x\r\n\r\n$y"}, "-----A -----\r\nx\r\ny\r\n"},
      {"two pages, an empty line between",
       {"Shop\r\n$milk", "", "Work\r\n$call"},
       "-----Shop -----\r\nmilk\r\n\r\n-----Work -----\r\ncall\r\n"},
      {"a page without heading after one with",
       {"Shop\r\n$milk", " x\r\n$call"},
       "-----Shop -----\r\nmilk\r\ncall\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Extract(c.pages), c.extract) << c.name;
  }
}

}  // namespace
}  // namespace tovik
