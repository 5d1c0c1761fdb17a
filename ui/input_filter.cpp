#include "ui/input_filter.h"

#include <cstdio>

namespace tovik::ui {
namespace {

bool IsHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length of the character at `at`: a surrogate pair is one character.
size_t CharacterLength(std::wstring_view text, size_t at) {
  return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}

unsigned CodePoint(std::wstring_view character) {
  if (character.size() == 2) {
    return 0x10000u + ((static_cast<unsigned>(character[0]) - 0xD800u) << 10) +
           (static_cast<unsigned>(character[1]) - 0xDC00u);
  }
  return static_cast<unsigned>(character[0]);
}

}  // namespace

// The text is cut at the first character that would not fit, as an edit
// cuts a paste at its limit; characters the rule does not hold cost nothing.
FilteredInput FilterInput(std::wstring_view text, const CharacterRule& rule, size_t room) {
  FilteredInput result;
  for (size_t at = 0; at < text.size();) {
    const std::wstring_view character = text.substr(at, CharacterLength(text, at));
    at += character.size();
    if (!rule.Holds(character)) {
      if (result.leftOut.find(character) == std::wstring::npos) result.leftOut += character;
      continue;
    }
    const size_t bytes = rule.Bytes(character);
    if (bytes > room) {
      result.tooLong = true;
      break;
    }
    room -= bytes;
    result.kept += character;
  }
  return result;
}

std::wstring NameCharacters(std::wstring_view characters, size_t most) {
  std::wstring named;
  size_t count = 0;
  for (size_t at = 0; at < characters.size(); ++count) {
    const std::wstring_view character = characters.substr(at, CharacterLength(characters, at));
    at += character.size();
    if (count == most) return named + L" …";
    if (count > 0) named += L' ';
    named += character;
  }
  if (count == 1) {
    wchar_t code[16];
    std::swprintf(code, std::size(code), L" (U+%04X)", CodePoint(characters));
    named += code;
  }
  return named;
}

std::wstring FillIn(std::wstring_view text, std::wstring_view value, std::wstring_view mark) {
  std::wstring filled(text);
  if (const size_t at = filled.find(mark); at != std::wstring::npos) {
    filled.replace(at, mark.size(), value);
  }
  return filled;
}

}  // namespace tovik::ui
