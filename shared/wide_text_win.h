#pragma once
#include <string>
#include <string_view>

namespace tovik {

// Conversions between the core's UTF-8 texts and the wide texts of the Win32 API.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace tovik
