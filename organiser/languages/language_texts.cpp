#include "organiser/languages/language_texts.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>

namespace tovik {
namespace {

// The table, as the build wraps it into one string literal.
constexpr std::string_view kTableText =
#include "organiser/languages/language_table_text.inc"
    ;

constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes{"da", "en", "de", "fr",
                                                                      "es", "nl", "ru", "pt"};

constexpr std::optional<TextKind> KindNamed(std::string_view name) {
  constexpr std::pair<std::string_view, TextKind> kKinds[]{
      {"text", TextKind::Text},
      {"hint", TextKind::Hint},
      {"message", TextKind::Variable},
      {"heading1", TextKind::GridHeading1},
      {"heading2", TextKind::GridHeading2},
      {"heading3", TextKind::GridHeading3},
  };
  for (const auto& [kindName, kind] : kKinds) {
    if (kindName == name) return kind;
  }
  return std::nullopt;
}

constexpr std::optional<Language> LanguageCoded(std::string_view code) {
  for (size_t i = 0; i < kLanguageCodes.size(); ++i) {
    if (kLanguageCodes[i] == code) return static_cast<Language>(i + 1);
  }
  return std::nullopt;
}

// Text in double quotes, with a quote, a backslash or a line break inside
// written \", \\ or \n.
constexpr bool IsQuoted(std::string_view quoted) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return false;
  for (size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] == '"') return false;
    if (quoted[i] == '\\') {
      ++i;
      if (i + 1 == quoted.size() ||
          std::string_view("\"\\n").find(quoted[i]) == std::string_view::npos) {
        return false;
      }
    }
  }
  return true;
}

std::string Unquoted(std::string_view quoted) {
  std::string text;
  for (size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] == '\\') {
      ++i;
      text += quoted[i] == 'n' ? '\n' : quoted[i];
    } else {
      text += quoted[i];
    }
  }
  return text;
}

// One line of the table: a comment or blank, the head of a row ("lblYear
// text"), or one language's text of the row above ("  da "År"").
struct TableLine {
  enum class Is { Blank, Row, Text, Fault } is = Is::Fault;
  Target target{};
  TextKind kind{};
  Language language{};
  std::string_view quoted;
};

constexpr TableLine ReadLine(std::string_view line) {
  TableLine read;
  if (line.empty() || line.front() == '#') {
    read.is = TableLine::Is::Blank;
    return read;
  }
  const bool isText = line.front() == ' ';
  line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
  const size_t space = line.find(' ');
  if (space == line.npos) return read;
  const std::string_view first = line.substr(0, space);
  const std::string_view rest = line.substr(space + 1);
  if (isText) {
    const std::optional<Language> language = LanguageCoded(first);
    if (!language || !IsQuoted(rest)) return read;
    read = {TableLine::Is::Text, {}, {}, *language, rest};
    return read;
  }
  const std::optional<Target> target = TargetNamed(first);
  const std::optional<TextKind> kind = KindNamed(rest);
  if (!target || !kind) return read;
  read = {TableLine::Is::Row, *target, *kind, {}, {}};
  return read;
}

// Cuts the first line off the text.
constexpr std::string_view NextLine(std::string_view& text) {
  const size_t end = std::min(text.find('\n'), text.size());
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(std::min(end + 1, text.size()));
  return line;
}

// The number of the first line at fault, 0 when there is none. A fault is a
// line that cannot be read, a text outside a row, a language given twice in
// a row, a row without English (the base layer), or a row given twice.
constexpr int FirstFaultyLine(std::string_view table) {
  constexpr size_t kKinds = 6;
  std::array<bool, kTargetInfos.size() * kKinds> rowSeen{};
  std::array<bool, kLanguageCount> given{};
  bool inRow = false;
  int rowLine = 0;
  auto rowComplete = [&] { return !inRow || given[static_cast<size_t>(Language::English) - 1]; };
  for (int number = 1; !table.empty(); ++number) {
    const TableLine line = ReadLine(NextLine(table));
    switch (line.is) {
      case TableLine::Is::Blank:
        break;
      case TableLine::Is::Fault:
        return number;
      case TableLine::Is::Row: {
        if (!rowComplete()) return rowLine;
        bool& seen =
            rowSeen[static_cast<size_t>(line.target) * kKinds + static_cast<size_t>(line.kind)];
        if (seen) return number;
        seen = true;
        inRow = true;
        rowLine = number;
        given.fill(false);
        break;
      }
      case TableLine::Is::Text: {
        bool& languageGiven = given[static_cast<size_t>(line.language) - 1];
        if (!inRow || languageGiven) return number;
        languageGiven = true;
        break;
      }
    }
  }
  return rowComplete() ? 0 : rowLine;
}

// A fault stops the build, which names the line: LanguageTableLine<12>.
template <int Line>
struct LanguageTableLine {
  static_assert(Line == 0, "organiser/languages/language_table.txt has a fault at this line");
  static constexpr bool kSound = true;
};
static_assert(LanguageTableLine<FirstFaultyLine(kTableText)>::kSound);

struct LanguageTable {
  std::array<std::vector<LanguageRow>, kLanguageCount> rows;
  std::deque<std::string> texts;  // what the rows point into; a deque never moves them
};

// The table was proven sound when it was built in.
LanguageTable ParseTable(std::string_view table) {
  LanguageTable parsed;
  LanguageRow row{};
  while (!table.empty()) {
    const TableLine line = ReadLine(NextLine(table));
    if (line.is == TableLine::Is::Row) row = {line.target, line.kind, {}};
    if (line.is != TableLine::Is::Text) continue;
    parsed.texts.push_back(Unquoted(line.quoted));
    row.text = parsed.texts.back();
    parsed.rows[static_cast<size_t>(line.language) - 1].push_back(row);
  }
  return parsed;
}

const LanguageTable& Table() {
  static const LanguageTable table = ParseTable(kTableText);
  return table;
}

}  // namespace

std::span<const LanguageRow> LanguageRows(Language language) {
  if (!IsLanguage(language)) return {};
  return Table().rows[static_cast<size_t>(language) - 1];
}

std::vector<LanguageRow> ShownLanguageRows(Language language) {
  const std::span<const LanguageRow> english = LanguageRows(Language::English);
  std::vector<LanguageRow> rows(english.begin(), english.end());
  if (language == Language::English) return rows;
  for (const LanguageRow& own : LanguageRows(language)) {
    for (LanguageRow& row : rows) {
      if (row.target == own.target && row.kind == own.kind) row.text = own.text;
    }
  }
  return rows;
}

HelpContexts HelpContextsOf(Language language) {
  switch (language) {
    case Language::Danish:
      return {4, 5, 6, 7};
    case Language::French:
      return {404, 405, 406, 407};
    default:
      return {104, 105, 106, 107};
  }
}

int ContentsHelpContext(Language language) {
  const bool ownPage = language == Language::Danish || language == Language::French;
  return 1000 + static_cast<int>(ownPage ? language : Language::English);
}

}  // namespace tovik
