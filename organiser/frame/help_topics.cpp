#include "organiser/frame/help_topics.h"

#include <cstdio>

namespace tovik {
namespace {

// Characters that a file URL must not carry as they are.
bool NeedsEscape(unsigned char c) {
  return c <= ' ' || c == '#' || c == '%' || c == '?' || c == '"' || c >= 0x7F;
}

std::string FileUrl(std::string_view path) {
  std::string url;
  size_t start = 0;
  if (path.starts_with("\\\\")) {  // \\server\share\...
    url = "file://";
    start = 2;
  } else {
    url = "file:///";
  }
  for (size_t i = start; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (c == '\\') {
      url += '/';
    } else if (NeedsEscape(c)) {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      url += escaped;
    } else {
      url += static_cast<char>(c);
    }
  }
  return url;
}

}  // namespace

std::string_view HelpPageName(int context) {
  if (context == 1001 || (context >= 4 && context <= 7)) return "Tovik_da.html";
  if (context == 1004 || (context >= 404 && context <= 407)) return "Tovik_fr.html";
  return "Tovik_en.html";
}

std::string HelpAnchor(int context) {
  return "context-" + std::to_string(context);
}

std::string HelpAddress(std::string_view programFolder, int context) {
  std::string path(programFolder);
  path += kHelpFolder;
  path += '\\';
  path += HelpPageName(context);
  return FileUrl(path) + '#' + HelpAnchor(context);
}

}  // namespace tovik
