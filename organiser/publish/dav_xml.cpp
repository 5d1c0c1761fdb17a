#include "organiser/publish/dav_xml.h"

#include <array>
#include <cctype>
#include <utility>

namespace tovik {
namespace {

constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
    {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};

std::string DecodedEntities(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    for (const auto& [entity, c] : kEntities) {
      if (text.substr(i).starts_with(entity)) {
        out += c;
        i += entity.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i];
  }
  return out;
}

// "D:href" and "href" are both the element "href".
std::string_view LocalName(std::string_view name) {
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::vector<DavResponse> ParseMultistatus(std::string_view xml) {
  std::vector<DavResponse> responses;
  bool inResponse = false;
  bool inResourceType = false;
  size_t hrefStart = std::string_view::npos;
  size_t at = 0;
  while ((at = xml.find('<', at)) != std::string_view::npos) {
    const size_t end = xml.find('>', at);
    if (end == std::string_view::npos) break;
    std::string_view tag = xml.substr(at + 1, end - at - 1);
    const size_t tagStart = at;
    at = end + 1;
    if (tag.starts_with('?') || tag.starts_with('!')) continue;
    const bool closing = tag.starts_with('/');
    const bool empty = tag.ends_with('/');
    if (closing) tag.remove_prefix(1);
    if (empty) tag.remove_suffix(1);
    const std::string_view name = LocalName(tag.substr(0, tag.find_first_of(" \t\r\n")));
    if (name == "response") {
      if (!closing && !empty) responses.emplace_back();
      inResponse = !closing && !empty;
    } else if (!inResponse) {
      continue;
    } else if (name == "href" && !empty) {
      if (!closing) {
        hrefStart = at;
      } else if (hrefStart != std::string_view::npos) {
        responses.back().Href =
            DecodedEntities(Trimmed(xml.substr(hrefStart, tagStart - hrefStart)));
        hrefStart = std::string_view::npos;
      }
    } else if (name == "resourcetype" && !empty) {
      inResourceType = !closing;
    } else if (name == "calendar" && inResourceType && !closing) {
      responses.back().IsCalendar = true;
    }
  }
  return responses;
}

std::string HrefName(std::string_view href) {
  while (href.ends_with('/')) href.remove_suffix(1);
  const std::string_view segment = href.substr(href.rfind('/') + 1);
  std::string name;
  for (size_t i = 0; i < segment.size(); ++i) {
    if (segment[i] == '%' && i + 2 < segment.size() && HexValue(segment[i + 1]) >= 0 &&
        HexValue(segment[i + 2]) >= 0) {
      name += static_cast<char>(HexValue(segment[i + 1]) * 16 + HexValue(segment[i + 2]));
      i += 2;
    } else {
      name += segment[i];
    }
  }
  return name;
}

// Only letters, digits and "-._~" stay as they are in the name.
std::string ResourceUrl(std::string_view collection, std::string_view name) {
  std::string url(collection);
  if (!url.ends_with('/')) url += '/';
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 15];
    }
  }
  return url;
}

std::string WithoutCredentials(std::string_view url) {
  const size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return std::string(url);
  const size_t hostStart = scheme + 3;
  const size_t pathStart = url.find('/', hostStart);
  const size_t at = url.substr(0, pathStart).rfind('@');
  if (at == std::string_view::npos || at < hostStart) return std::string(url);
  return std::string(url.substr(0, hostStart)) + std::string(url.substr(at + 1));
}

bool IsCalendarAddress(std::string_view url) {
  for (const std::string_view scheme : {"http://", "https://"}) {
    if (url.size() > scheme.size() && url.substr(0, scheme.size()) == scheme &&
        url[scheme.size()] != '/') {
      return url.find_first_of(" \t\r\n") == std::string_view::npos;
    }
  }
  return false;
}

}  // namespace tovik
