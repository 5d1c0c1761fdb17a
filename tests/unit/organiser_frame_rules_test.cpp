// The organiser frame's portable rules: the menu table against the English
// texts, help topics and addresses, and when the activation steps run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "organiser/frame/activation_rule.h"
#include "organiser/frame/commands.h"
#include "organiser/frame/help_topics.h"
#include "organiser/languages/language_texts.h"

namespace tovik {
namespace {

bool HasEnglishText(Target target) {
  for (const LanguageRow& row : LanguageRows(Language::English)) {
    if (row.target == target && row.kind == TextKind::Text) return true;
  }
  return false;
}

TEST(OrganiserMenu, EveryCaptionIsFixedOrComesFromTheLanguageTable) {
  std::set<int> ids;
  for (const MenuSpec& menu : MainMenu()) {
    EXPECT_NE(menu.fixedCaption.empty(), !HasEnglishText(menu.target)) << TargetName(menu.target);
    for (const MenuItemSpec& item : menu.items) {
      if (item.kind == MenuItemKind::Separator) continue;
      const std::string_view name = TargetName(item.target);
      EXPECT_EQ(OwnerOf(item.target), TargetOwner::Menu) << name;
      EXPECT_TRUE(ids.insert(static_cast<int>(item.command)).second) << name;
      EXPECT_EQ(CommandName(item.command), name);
      EXPECT_NE(item.fixedCaption.empty(), !HasEnglishText(item.target)) << name;
    }
  }
}

TEST(OrganiserMenu, RadioGroupsHoldTheLanguagesAndTheWeekSettings) {
  std::map<int, std::vector<std::string_view>> groups;
  for (const MenuSpec& menu : MainMenu()) {
    for (const MenuItemSpec& item : menu.items) {
      if (item.radioGroup != 0) groups[item.radioGroup].push_back(TargetName(item.target));
    }
  }
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[1].size(), 8u);
  EXPECT_EQ(groups[2], (std::vector<std::string_view>{"miSOW_S", "miSOW_M"}));
  EXPECT_EQ(groups[3], (std::vector<std::string_view>{"miFWOY_1", "miFWOY_H", "miFWOY_4"}));
}

TEST(OrganiserMenu, LanguageCommandsMapToTheirIds) {
  for (int id = 1; id <= 8; ++id) {
    const auto language = static_cast<Language>(id);
    EXPECT_EQ(LanguageOfCommand(LanguageCommand(language)), language);
  }
  EXPECT_EQ(LanguageCommand(Language{0}), Command::None);
  EXPECT_EQ(LanguageCommand(Language{9}), Command::None);
  EXPECT_EQ(LanguageOfCommand(Command::Exit), std::nullopt);
  EXPECT_EQ(CommandFromId(0), Command::None);
  EXPECT_EQ(CommandFromId(9999), Command::None);
  EXPECT_EQ(CommandFromId(static_cast<int>(Command::About)), Command::About);
}

TEST(OrganiserLanguage, EnglishSetsEachTargetOnce) {
  std::set<std::pair<Target, TextKind>> seen;
  for (const LanguageRow& row : LanguageRows(Language::English)) {
    EXPECT_TRUE(seen.insert({row.target, row.kind}).second) << TargetName(row.target);
    EXPECT_FALSE(row.text.empty()) << TargetName(row.target);
    // Only texts that no control shows are read as variables.
    EXPECT_EQ(row.kind == TextKind::Variable, OwnerOf(row.target) == TargetOwner::Texts)
        << TargetName(row.target);
  }
  EXPECT_TRUE(LanguageRows(Language{0}).empty());
  EXPECT_TRUE(LanguageRows(Language{9}).empty());
}

TEST(OrganiserHelp, ContextsFollowTheLanguage) {
  struct {
    int language, contents, dayNote, searchBox;
  } cases[] = {{1, 1001, 4, 7},     {2, 1002, 104, 107}, {3, 1002, 104, 107},
               {4, 1004, 404, 407}, {5, 1002, 104, 107}, {6, 1002, 104, 107},
               {7, 1002, 104, 107}, {8, 1002, 104, 107}, {0, 1002, 104, 107}};
  for (const auto& c : cases) {
    const auto language = static_cast<Language>(c.language);
    EXPECT_EQ(ContentsHelpContext(language), c.contents) << c.language;
    EXPECT_EQ(HelpContextsOf(language).memAppDiary, c.dayNote) << c.language;
    EXPECT_EQ(HelpContextsOf(language).edtDiarySearch, c.searchBox) << c.language;
  }
  EXPECT_EQ(HelpContextsOf(Language::French).sgEvents, 405);
  EXPECT_EQ(HelpContextsOf(Language::Danish).memTodoNotes, 6);
}

TEST(OrganiserHelp, EachContextHasItsPageAndAnchor) {
  const std::pair<int, std::string_view> pages[] = {
      {1001, "Tovik_da.html"}, {4, "Tovik_da.html"},   {7, "Tovik_da.html"},
      {1004, "Tovik_fr.html"}, {404, "Tovik_fr.html"}, {407, "Tovik_fr.html"},
      {1002, "Tovik_en.html"}, {104, "Tovik_en.html"}, {107, "Tovik_en.html"},
      {8, "Tovik_en.html"}};
  for (const auto& [context, page] : pages) EXPECT_EQ(HelpPageName(context), page) << context;
  EXPECT_EQ(HelpAnchor(105), "context-105");
}

TEST(OrganiserHelp, AddressesAreFileUrlsOfTheHelpFolder) {
  EXPECT_EQ(HelpAddress("C:\\Program Files\\Tovik\\", 104),
            "file:///C:/Program%20Files/Tovik/help/Tovik_en.html#context-104");
  EXPECT_EQ(HelpAddress("\\\\server\\share\\Tovik #2\\", 1001),
            "file://server/share/Tovik%20%232/help/Tovik_da.html#context-1001");
  // Letters beyond ASCII are escaped byte by byte (UTF-8).
  EXPECT_EQ(HelpAddress("D:\\\xC3\x85r\\", 1004),
            "file:///D:/%C3%85r/help/Tovik_fr.html#context-1004");
}

// The pages that ship beside the exe hold an anchor for every context number
// the program opens.
TEST(OrganiserHelp, ShippedPagesHoldEveryContext) {
  const std::filesystem::path folder =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "organiser" /
      "frame" / std::string(kHelpFolder);
  std::vector<int> contexts{1001, 1002, 1004};
  for (int language = 1; language <= 8; ++language) {
    const HelpContexts c = HelpContextsOf(static_cast<Language>(language));
    contexts.insert(contexts.end(), {c.memAppDiary, c.sgEvents, c.memTodoNotes, c.edtDiarySearch});
  }
  contexts.push_back(kSearchBoxHelpContext);
  for (const int context : contexts) {
    std::ifstream page(folder / std::string(HelpPageName(context)));
    ASSERT_TRUE(page) << HelpPageName(context);
    const std::string html(std::istreambuf_iterator<char>(page), {});
    EXPECT_NE(html.find("id=\"" + HelpAnchor(context) + "\""), std::string::npos)
        << HelpPageName(context) << " " << context;
  }
}

TEST(OrganiserActivation, StepsRunOnFirstShowingAndOnReturnFromOwnWindows) {
  ActivationRule rule;
  rule.ApplicationActivated(true);  // the program's first activation
  EXPECT_TRUE(rule.WindowActivated(false));
  // Back from the About box or a message box.
  EXPECT_TRUE(rule.WindowActivated(true));
  EXPECT_TRUE(rule.WindowActivated(false));
  // Back from another program.
  rule.ApplicationActivated(false);
  rule.ApplicationActivated(true);
  EXPECT_FALSE(rule.WindowActivated(false));
  // The About box was left for another program and then closed.
  rule.ApplicationActivated(false);
  rule.ApplicationActivated(true);
  EXPECT_TRUE(rule.WindowActivated(true));
}

}  // namespace
}  // namespace tovik
