#include "organiser/pages/notes.h"

#include <algorithm>

namespace tovik {

std::string_view NoteTabTitle(std::string_view text) {
  const auto end = std::find_if(text.begin(), text.end(),
                                [](char c) { return static_cast<unsigned char>(c) <= 32; });
  return text.substr(0, static_cast<size_t>(end - text.begin()));
}

// The part after the caret is searched when it holds two characters or more;
// the whole text from its start when that finds nothing or was too short.
std::optional<size_t> NextNoteMatch(std::wstring_view text, size_t caret,
                                    std::wstring_view needle) {
  if (caret + 2 < text.size()) {
    if (const size_t at = text.find(needle, caret + 1); at != std::wstring_view::npos) return at;
  }
  if (const size_t at = text.find(needle); at != std::wstring_view::npos) return at;
  return std::nullopt;
}

}  // namespace tovik
