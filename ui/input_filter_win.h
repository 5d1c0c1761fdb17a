#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/input_filter.h"

namespace tovik::ui {

// The ANSI code page's rule: a character it has a byte (or two) for, without
// a best-fit stand-in ("ā" for "a"). With UTF-8 as the code page every
// character is held.
const CharacterRule& AnsiCharacters();

struct StoredBoxArgs {
  size_t maxBytes = 0;    // the stored text's bytes, at most
  std::wstring tipTitle;  // the balloon tip's title
  // Runs when a typed or pasted text is not taken whole, and gives the tip's
  // text; the caller beeps.
  std::function<std::wstring(const FilteredInput& input, bool pasted)> onRefused;
};

// Makes an edit whose text is stored take only what the data file can hold
// under the ANSI code page: a character it cannot hold is not typed, a paste
// keeps the rest, and a balloon tip at the caret says why, until the next
// key or a few seconds later.
void KeepStorable(HWND box, StoredBoxArgs args);

}  // namespace tovik::ui
