#include "reminder/notes_extract.h"

#include <algorithm>

namespace tovik {

namespace {
constexpr std::string_view kCrLf = "\r\n";

// Byte-wise, a text greater than "!" begins above "!", or is "!" and more.
bool GreaterThanExclamation(std::string_view text) {
  if (text.empty()) return false;
  const auto first = static_cast<unsigned char>(text[0]);
  return first > '!' || (first == '!' && text.size() > 1);
}

void AppendWithoutDollars(std::string& out, std::string_view text) {
  for (char c : text)
    if (c != '$') out.push_back(c);
}

// "-----FirstWord -----" and a line break; a page of one word, with no space,
// tab or CR anywhere, gets only the opening dashes and its whole text.
std::string NoteHeading(std::string_view page) {
  if (!GreaterThanExclamation(page)) return {};
  std::string heading = "-----";
  const size_t end = page.find_first_of(" \t\r");
  if (end == std::string_view::npos) {
    AppendWithoutDollars(heading, page);
    return heading;
  }
  AppendWithoutDollars(heading, page.substr(0, end));
  heading += " -----";
  heading += kCrLf;
  return heading;
}
}  // namespace

// A marked line begins with "$" at the start of the page or right after a
// line feed, and runs to the next carriage return or the end of the page
// (line feeds inside it are kept; a "$" inside it marks nothing).
void AppendNotesExtract(std::string& extract, std::string_view page) {
  bool headingPlaced = false;
  size_t at = 0;
  for (size_t dollar; (dollar = page.find('$', at)) != std::string_view::npos;) {
    if (dollar != 0 && page[dollar - 1] != '\n') {
      at = dollar + 1;
      continue;
    }
    if (!headingPlaced) {
      const std::string heading = NoteHeading(page);
      if (!heading.empty() && !extract.empty()) extract += kCrLf;
      extract += heading;
      headingPlaced = true;
    }
    const size_t end = std::min(page.find('\r', dollar + 1), page.size());
    extract.append(page.substr(dollar + 1, end - dollar - 1));
    extract += kCrLf;
    at = end;
  }
}

}  // namespace tovik
