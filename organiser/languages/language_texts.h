#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "organiser/languages/targets.h"
#include "store/data_file.h"

namespace tovik {

// What a row of the language table sets on its target.
enum class TextKind {
  Text,          // a caption or a control's text
  Hint,          // the tooltip of a control
  Variable,      // one of the message and print texts read by other parts
  GridHeading1,  // the column headings in row 0 of the events grid
  GridHeading2,
  GridHeading3,
};

// One row: the part of the window it sets and its text in UTF-8.
struct LanguageRow {
  Target target;
  TextKind kind;
  std::string_view text;
};

// The rows a language sets, in table order; empty for a number that is no
// language.
std::span<const LanguageRow> LanguageRows(Language language);
// What a language shows: English as the base layer, each row the chosen
// language sets taking the place of the English one, in English table order.
// A row the language does not set stays English, never a text of the
// language chosen before.
std::vector<LanguageRow> ShownLanguageRows(Language language);

// The help contexts that follow the language: the day note, the events grid,
// the note box and the diary search box.
struct HelpContexts {
  int memAppDiary;
  int sgEvents;
  int memTodoNotes;
  int edtDiarySearch;
};
HelpContexts HelpContextsOf(Language language);
// The search boxes of the events and notes pages keep this one in every language.
constexpr int kSearchBoxHelpContext = 7;

// The help topic that "Contents.." opens: 1001 Danish, 1004 French, 1002 else.
int ContentsHelpContext(Language language);

}  // namespace tovik
