#pragma once
#include <string>
#include <string_view>

namespace tovik {

// Appends to `extract` the lines of one note page that begin with "$" (without
// the "$"), each ending in CR LF, preceded once by the page's heading built
// from its first word. `pageText` is the page's text up to its closing NUL.
void AppendNotesExtract(std::string& extract, std::string_view pageText);

}  // namespace tovik
