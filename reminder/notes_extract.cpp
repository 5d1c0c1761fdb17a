#include "reminder/notes_extract.h"

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

void AppendNotesExtract(std::string& extract, std::string_view page) {
  std::string heading = NoteHeading(page);
  bool inMarkedLine = false;
  // The walk includes the closing NUL, which ends a marked last line.
  for (size_t at = 0; at <= page.size(); ++at) {
    const char c = at < page.size() ? page[at] : '\0';
    if (inMarkedLine && (c == '\r' || c == '\0')) {
      extract += kCrLf;
      inMarkedLine = false;
    } else if (inMarkedLine) {
      extract.push_back(c);
    } else if (c == '$' && (at == 0 || page[at - 1] == '\n')) {
      inMarkedLine = true;
      if (!heading.empty()) {
        if (!extract.empty()) extract += kCrLf;
        extract += heading;
        heading.clear();
      }
    }
  }
}

}  // namespace tovik
