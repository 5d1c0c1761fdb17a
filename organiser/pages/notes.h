#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The portable rules of the to-do and notes page.
namespace tovik {

// A note page's tab title: its text up to, not including, the first
// character of code 32 or lower (a space, a tab, a line break, or the end).
// A text that begins with a space or a line break has the empty title.
std::string_view NoteTabTitle(std::string_view text);

// Where the next search finds the needle in the text, both lower-cased: the
// place of the match's first character, or nothing. The search begins one
// character after the caret, so that repeating it steps from match to match,
// and goes round to the start of the text when nothing follows, also from
// the end of the text or one or two characters before it.
std::optional<size_t> NextNoteMatch(std::wstring_view text, size_t caret, std::wstring_view needle);

}  // namespace tovik
