#pragma once
#include <string>
#include <string_view>

namespace tovik {

// Conversions between the core's UTF-8 texts and the wide texts of the Win32 API.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Stored texts are bytes of the ANSI code page; the controls take wide text.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
// A stored text for the core, which writes UTF-8.
std::string AnsiToUtf8(std::string_view text);

// The user locale's small letters, as every search of the organiser compares.
std::wstring LowerCase(std::wstring text);

}  // namespace tovik
