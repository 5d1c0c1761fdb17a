#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "organiser/output/icalendar_export.h"

namespace tovik {

// The small file in the data folder that remembers what the calendar server
// holds from this organiser; the data file itself never learns of it.
constexpr std::string_view kPublishedStateFileName = "Tovik-calendar.txt";

// What was last published: the collection, and each resource's name with the
// fingerprint of what it holds (0: on the server, content unknown).
struct PublishedState {
  std::string Collection{};
  std::map<std::string, uint64_t> Resources{};
  friend bool operator==(const PublishedState&, const PublishedState&) = default;
};

// The resource of an item is named after its UID: "day-20261209@tovik.ics".
std::string ResourceName(const ICalendarItem& item);
// Whether a resource on the server is one this organiser made.
bool IsTovikResource(std::string_view name);
// Changes when anything a calendar shows of the item changes. The first date
// of a repeating event moves with the day of the publish and is left out,
// so that a new day does not publish every event again.
uint64_t Fingerprint(const ICalendarItem& item);

// What a publish has to do to bring the server from `published` to `items`.
struct ChangeSet {
  std::vector<const ICalendarItem*> Put;  // new, changed, or of unknown content
  std::vector<std::string> Delete;        // resource names gone from the items
};
ChangeSet ChangesSince(const PublishedState& published, const std::vector<ICalendarItem>& items);

// The state file's text, and back; nothing for a text of another version or
// a damaged one, which the next publish learns again from the server.
std::string FormatPublishedState(const PublishedState& state);
std::optional<PublishedState> ParsePublishedState(std::string_view text);

}  // namespace tovik
