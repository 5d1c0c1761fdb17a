#pragma once
#include <string>
#include <string_view>

namespace tovik {

// The maker's web site, opened by "Visit Website" and the About box's link.
inline constexpr std::string_view kMakerWebsite = "https://www.brakvel.example/tovik/";

// The help pages ship as HTML in the folder "help" beside the exe, one page
// per help language, with an anchor per context number.
inline constexpr std::string_view kHelpFolder = "help";

// The page that holds a context: the Danish contexts (4 to 7 and 1001) and
// the French ones (404 to 407 and 1004) have their own pages; every other
// context is on the English page.
std::string_view HelpPageName(int context);
// The anchor of a context on its page.
std::string HelpAnchor(int context);
// A file URL of the context's anchor, for the shell to open.
// `programFolder` is a Windows folder that ends in a backslash.
std::string HelpAddress(std::string_view programFolder, int context);

}  // namespace tovik
