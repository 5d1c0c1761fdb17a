// Links and dialling: what a selection becomes, what may reach the shell,
// and what may be dialled.
#include <gtest/gtest.h>

#include "organiser/links/links.h"

namespace tovik {
namespace {

TEST(RememberSelection, FilesTheSelectionAsLinkMailOrNumber) {
  struct Case {
    const char* selected;
    const char* link;
    const char* number;
  } cases[] = {
      {"http://example.com/a", "http://example.com/a", "old number"},
      {"see https://example.com", "see https://example.com", "old number"},
      {"john@example.com", "mailto:john@example.com", "old number"},
      {"john.doe@example", "mailto:john.doe@example", "old number"},
      {"http://user@host.example.com", "http://user@host.example.com", "old number"},
      {"555-1234", "old link", "555-1234"},
      {"HTTP://EXAMPLE.COM", "old link", "HTTP://EXAMPLE.COM"},
      {"john@example", "old link", "john@example"},
  };
  for (const Case& c : cases) {
    RememberedSelection remembered{"old link", "old number"};
    RememberSelection(remembered, c.selected);
    EXPECT_EQ(remembered.Link, c.link) << c.selected;
    EXPECT_EQ(remembered.Number, c.number) << c.selected;
  }
}

// What the shell is given: only web and mail addresses, never a program,
// a local file or a script, and never a web address turned into mail.
TEST(LinkToOpen, OnlyWebAndMailAddressesReachTheShell) {
  struct Case {
    const char* remembered;
    const char* opened;  // empty: MsgNoUrl, nothing opened
  } cases[] = {
      {"http://example.com", "http://example.com"},
      {"  https://example.com/x?y=1\r\n", "https://example.com/x?y=1"},
      {"Look at http://example.com/page. Thanks", "http://example.com/page"},
      {"http://user@host.example.com/path", "http://user@host.example.com/path"},
      {"mailto:john@example.com", "mailto:john@example.com"},
      {"mailto:Write to john@example.com today", "mailto:john@example.com"},
      {"mailto:john.doe@example", "mailto:john.doe@example"},
      {"", ""},
      {" \t\r\n", ""},
      {"file:///C:/Windows/System32/calc.exe", ""},
      {"C:\\Windows\\System32\\cmd.exe", ""},
      {"cmd /c del C:\\*.*", ""},
      {"\\\\server\\share\\run.bat", ""},
      {"javascript:alert(1)", ""},
      {"www.example.com", ""},
      {"mailto:", ""},
      {"mailto:@example.com", ""},
  };
  for (const Case& c : cases) {
    const LinkAction action = LinkToOpen(c.remembered);
    EXPECT_EQ(action.Address, c.opened) << c.remembered;
    if (action.Address.empty()) {
      EXPECT_EQ(action.Message, Target::MsgNoUrl) << c.remembered;
    }
    const std::string& a = action.Address;
    EXPECT_TRUE(a.empty() || a.starts_with("http://") || a.starts_with("https://") ||
                a.starts_with("mailto:"))
        << a;
  }
}

TEST(NumberToDial, ChecksTheTrimmedNumber) {
  struct Case {
    const char* remembered;
    const char* dialled;  // null: the message below
    Target message;
  } cases[] = {
      {"555-1234", "555-1234", {}},
      {"  12 34 56 78\r\n", "12 34 56 78", {}},
      {"#31#*,&ABCDRW", "#31#*,&ABCDRW", {}},
      {"123456789012345678901234567890", "123456789012345678901234567890", {}},
      {"1234567890123456789012345678901", nullptr, Target::MsgIllegalNumber},
      {"+45 12345678", nullptr, Target::MsgIllegalNumber},
      {"(555) 1234", nullptr, Target::MsgIllegalNumber},
      {"555.1234", nullptr, Target::MsgIllegalNumber},
      {"abc", nullptr, Target::MsgIllegalNumber},
      {"https://example.com", nullptr, Target::MsgIllegalNumber},
      {"", nullptr, Target::MsgNothingToDial},
      {"   ", "", {}},
  };
  for (const Case& c : cases) {
    const DialAction action = NumberToDial(c.remembered);
    if (c.dialled == nullptr) {
      EXPECT_FALSE(action.Number) << c.remembered;
      EXPECT_EQ(action.Message, c.message) << c.remembered;
    } else {
      ASSERT_TRUE(action.Number) << c.remembered;
      EXPECT_EQ(*action.Number, c.dialled);
    }
  }
}

}  // namespace
}  // namespace tovik
