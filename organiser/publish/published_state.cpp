#include "organiser/publish/published_state.h"

#include <charconv>

#include "base/content_hash.h"

namespace tovik {
namespace {

// The first line of the state file; a new writer of the resources counts it
// up, so that its first publish writes every resource again.
constexpr std::string_view kStateHeader = "Tovik calendar state 1";
constexpr std::string_view kCollectionKey = "collection ";
constexpr std::string_view kResourceSuffix = ".ics";

std::string_view NextLine(std::string_view& text) {
  const size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string ResourceName(const ICalendarItem& item) {
  return item.Uid + std::string(kResourceSuffix);
}

bool IsTovikResource(std::string_view name) {
  return name.ends_with(std::string(kTovikUidSuffix) + std::string(kResourceSuffix));
}

// A day's UID holds its date; the separators keep "a|b" and "ab|" apart.
uint64_t Fingerprint(const ICalendarItem& item) {
  uint64_t hash = Fnv1a(item.Uid);
  hash = Fnv1a("\n" + item.Rule + "\n", hash);
  hash = Fnv1a(item.Text, hash);
  return hash == 0 ? 1 : hash;  // 0 means unknown
}

ChangeSet ChangesSince(const PublishedState& published, const std::vector<ICalendarItem>& items) {
  ChangeSet changes;
  std::map<std::string_view, bool> current;
  for (const ICalendarItem& item : items) {
    const std::string name = ResourceName(item);
    const auto found = published.Resources.find(name);
    if (found == published.Resources.end() || found->second != Fingerprint(item)) {
      changes.Put.push_back(&item);
    }
    if (found != published.Resources.end()) current[found->first] = true;
  }
  for (const auto& [name, fingerprint] : published.Resources) {
    if (!current.contains(name)) changes.Delete.push_back(name);
  }
  return changes;
}

// One line a resource: its fingerprint in hexadecimal, a blank, its name.
std::string FormatPublishedState(const PublishedState& state) {
  std::string text(kStateHeader);
  text += "\r\n";
  text += std::string(kCollectionKey) + state.Collection + "\r\n";
  for (const auto& [name, fingerprint] : state.Resources) {
    char hex[17];
    const auto end = std::to_chars(hex, hex + sizeof hex, fingerprint, 16).ptr;
    text.append(hex, end);
    text += ' ' + name + "\r\n";
  }
  return text;
}

std::optional<PublishedState> ParsePublishedState(std::string_view text) {
  if (NextLine(text) != kStateHeader) return std::nullopt;
  const std::string_view collection = NextLine(text);
  if (!collection.starts_with(kCollectionKey)) return std::nullopt;
  PublishedState state{.Collection = std::string(collection.substr(kCollectionKey.size()))};
  while (!text.empty()) {
    const std::string_view line = NextLine(text);
    const size_t blank = line.find(' ');
    uint64_t fingerprint = 0;
    if (blank == std::string_view::npos ||
        std::from_chars(line.data(), line.data() + blank, fingerprint, 16).ptr !=
            line.data() + blank ||
        !IsTovikResource(line.substr(blank + 1))) {
      return std::nullopt;
    }
    state.Resources[std::string(line.substr(blank + 1))] = fingerprint;
  }
  return state;
}

}  // namespace tovik
