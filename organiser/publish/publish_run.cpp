#include "organiser/publish/publish_run.h"

#include <algorithm>

#include "organiser/publish/dav_xml.h"

namespace tovik {
namespace {

constexpr size_t kRequestsBetweenSaves = 200;
constexpr std::string_view kPropfindBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<D:propfind xmlns:D=\"DAV:\"><D:prop><D:resourcetype/></D:prop></D:propfind>\r\n";

bool Succeeded(const HttpResponse& response, bool goneIsFine) {
  return (response.Status >= 200 && response.Status < 300) ||
         (goneIsFine && (response.Status == 404 || response.Status == 410));
}

}  // namespace

std::string BasicAuthorization(std::string_view user, std::string_view password) {
  constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const std::string plain = std::string(user) + ":" + std::string(password);
  std::string encoded = "Basic ";
  for (size_t i = 0; i < plain.size(); i += 3) {
    uint32_t group = static_cast<unsigned char>(plain[i]) << 16;
    if (i + 1 < plain.size()) group |= static_cast<unsigned char>(plain[i + 1]) << 8;
    if (i + 2 < plain.size()) group |= static_cast<unsigned char>(plain[i + 2]);
    for (size_t digit = 0; digit < 4; ++digit) {
      encoded += i + digit <= plain.size() ? kDigits[(group >> (18 - 6 * digit)) & 63] : '=';
    }
  }
  return encoded;
}

HttpRequest ProbeRequest(const std::string& url) {
  return {.Method = "PROPFIND", .Url = url, .Depth = "0"};
}

std::string StatusText(const HttpResponse& response) {
  if (response.Status == 0) return response.Failure;
  std::string text = std::to_string(response.Status);
  if (!response.Reason.empty()) text += " " + response.Reason;
  return text;
}

PublishOutcome PublishChanges(HttpTransport& http, const PublishJob& job,
                              std::optional<PublishedState>& state,
                              const std::function<void()>& saveState,
                              const std::function<bool()>& stopping) {
  PublishOutcome outcome;
  const auto send = [&](const HttpRequest& request, bool goneIsFine) {
    ++outcome.Requests;
    HttpResponse response = http.Send(request);
    if (Succeeded(response, goneIsFine)) return std::optional(std::move(response));
    outcome.Failure = StatusText(response);
    outcome.FailedUrl = request.Url;
    return std::optional<HttpResponse>();
  };
  // What the server holds from us, learnt when nothing is known of it. Only
  // resources named after our UIDs count; the calendar's other items stay.
  const bool learn = !state || state->Collection != job.Collection;
  if ((learn || job.Verify) && (stopping() || !send(ProbeRequest(job.Collection), false))) {
    return outcome;
  }
  if (learn) {
    const std::optional<HttpResponse> listing =
        send({.Method = "PROPFIND",
              .Url = job.Collection,
              .Depth = "1",
              .ContentType = "application/xml; charset=utf-8",
              .Body = std::string(kPropfindBody)},
             false);
    if (!listing) return outcome;
    state = PublishedState{.Collection = job.Collection};
    for (const DavResponse& response : ParseMultistatus(listing->Body)) {
      if (const std::string name = HrefName(response.Href); IsTovikResource(name)) {
        state->Resources[name] = 0;
      }
    }
    saveState();
  }
  const ChangeSet changes = ChangesSince(*state, job.Items);
  size_t sinceSave = 0;
  const auto done = [&] {
    if (++sinceSave % kRequestsBetweenSaves == 0) saveState();
  };
  for (const std::string& name : changes.Delete) {
    if (stopping() || !send({.Method = "DELETE", .Url = ResourceUrl(job.Collection, name)}, true)) {
      break;
    }
    state->Resources.erase(name);
    done();
  }
  for (const ICalendarItem* item : changes.Put) {
    if (!outcome.Failure.empty() || stopping()) break;
    const std::string name = ResourceName(*item);
    const HttpRequest put{.Method = "PUT",
                          .Url = ResourceUrl(job.Collection, name),
                          .ContentType = "text/calendar; charset=utf-8",
                          .Body = std::string(kICalendarBegin) + ICalendarEvent(*item, job.Stamp) +
                                  std::string(kICalendarEnd)};
    if (!send(put, false)) break;
    state->Resources[name] = Fingerprint(*item);
    done();
  }
  if (sinceSave % kRequestsBetweenSaves != 0) saveState();
  outcome.Items = state->Resources.size();
  outcome.Published = outcome.Failure.empty() && !stopping();
  return outcome;
}

std::chrono::seconds BackOff::Next() {
  const int doublings = std::min(failures_++, 7);
  return std::min(std::chrono::seconds(5 << doublings), std::chrono::seconds(600));
}

}  // namespace tovik
