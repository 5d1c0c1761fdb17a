#pragma once
#include <string_view>

namespace tovik {

// The events and notes pages search only for a text that sorts after "!"
// character by character: an empty text, "!" itself, and a text that begins
// with a space or a control character start no search.
inline bool StartsSearch(std::wstring_view searchText) {
  return searchText > std::wstring_view(L"!");
}

}  // namespace tovik
