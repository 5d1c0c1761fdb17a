#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tovik {

// One <response> of a WebDAV multistatus answer.
struct DavResponse {
  std::string Href;
  bool IsCalendar = false;  // its resourcetype names a calendar collection
  friend bool operator==(const DavResponse&, const DavResponse&) = default;
};

// The responses of a PROPFIND answer, whatever prefixes the server gives
// its namespaces; what is not well-formed ends the reading there.
std::vector<DavResponse> ParseMultistatus(std::string_view xml);

// The last segment of an href, percent-decoded.
std::string HrefName(std::string_view href);
// The address of a resource of the collection.
std::string ResourceUrl(std::string_view collection, std::string_view name);
// The address as a log may show it: without "user:password@".
std::string WithoutCredentials(std::string_view url);
// Whether the text can be a calendar's address: http:// or https:// and a host.
bool IsCalendarAddress(std::string_view url);

}  // namespace tovik
