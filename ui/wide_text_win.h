#pragma once
#include <string>
#include <string_view>

namespace tovik {

// UTF-8 to and from the UTF-16 of the wide Windows API.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tovik
