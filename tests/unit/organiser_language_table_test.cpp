#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <tuple>

#include "organiser/languages/language_texts.h"

namespace tovik {
namespace {

using enum Language;
using enum Target;
using enum TextKind;

std::optional<std::string_view> Find(const auto& rows, Target target, TextKind kind) {
  for (const LanguageRow& row : rows)
    if (row.target == target && row.kind == kind) return row.text;
  return std::nullopt;
}

// Every language sets all 95 English rows but Portuguese the look-ahead; English shows
// where a language (or a number that is none) sets nothing. Rows that must agree do.
TEST(LanguageTable, EveryLanguageSetsEveryRowOverEnglish) {
  const auto english = LanguageRows(English);
  for (int id = 1; id <= kLanguageCount + 1; ++id) {
    const auto language = static_cast<Language>(id);
    EXPECT_EQ(LanguageRows(language).size(), id == 9 ? 0u : 95u - (id == 8)) << id;
    const std::vector<LanguageRow> shown = ShownLanguageRows(language);
    EXPECT_EQ(shown.size(), english.size()) << id;
    for (const LanguageRow& row : english) {
      const auto own = Find(LanguageRows(language), row.target, row.kind);
      const bool left = id == 9 || (language == Portuguese && row.target == miExtendLookAheadDays);
      EXPECT_EQ(own.has_value(), !left) << id << " " << TargetName(row.target);
      EXPECT_EQ(Find(shown, row.target, row.kind), own ? own : row.text) << id;
    }
    EXPECT_EQ(Find(shown, lblDataPath_TovikDat, Text), "Tovik.dat :") << id;
    EXPECT_EQ(Find(shown, edtShowYear, Hint), Find(shown, udSelectYear, Hint)) << id;
    EXPECT_EQ(Find(shown, edtShowMonth, Hint), Find(shown, udSelectMonth, Hint)) << id;
    EXPECT_EQ(Find(shown, btnTodoDial, Hint) == Find(shown, btnAppDial, Hint), id != 6) << id;
    // The tips of the stored boxes name what they left out in every language.
    for (const Target tip : {MsgCharacterNotStored, MsgCharactersLeftOut}) {
      const std::string_view text = Find(shown, tip, Variable).value_or("");
      EXPECT_NE(text.find("%1"), std::string_view::npos) << id << " " << TargetName(tip);
      EXPECT_EQ(text.find("%1"), text.rfind("%1")) << id << " " << TargetName(tip);
    }
  }
}

// Rows that are more than a plain translation: English, a neighbour's word, marks.
TEST(LanguageTable, TellingRows) {
  const std::tuple<Language, Target, TextKind, std::string_view> rows[] = {
      {English, lblTodoNotesHead, Text, "To-Do Items and Notes "},
      {Danish, lblWeek, Text, "Ugenr"},
      {German, lblUsedAppDay, Text, "Tag mit Eintrag"},
      {Dutch, lblDataPath_Root, Text, "Datenweg :"},
      {Russian, miFile, Text, "File"},
      {Russian, PrintPageLabel, Variable, ", Страница "},
      {Portuguese, miRunCheckTovikOnStartup, Text, "Executar CheckTovik ao iniciar o Window$"},
  };
  for (const auto& [language, target, kind, text] : rows)
    EXPECT_EQ(Find(LanguageRows(language), target, kind), text) << TargetName(target);
}

}  // namespace
}  // namespace tovik
