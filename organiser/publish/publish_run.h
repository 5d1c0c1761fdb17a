#pragma once
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "organiser/output/icalendar_export.h"
#include "organiser/publish/published_state.h"

namespace tovik {

struct HttpRequest {
  std::string Method{};
  std::string Url{};
  std::string Depth{};  // the Depth header of a PROPFIND
  std::string ContentType{};
  std::string Body{};
};

// What came back: a status with its reason, or no status and why not
// ("the server cannot be reached", a TLS failure).
struct HttpResponse {
  int Status = 0;
  std::string Reason{};
  std::string Body{};
  std::string Failure{};  // when Status is 0
};

class HttpTransport {
 public:
  virtual ~HttpTransport() = default;
  virtual HttpResponse Send(const HttpRequest& request) = 0;
};

// The Authorization header's value for HTTP Basic: "Basic " and the base64
// of "user:password" in UTF-8.
std::string BasicAuthorization(std::string_view user, std::string_view password);

// A PROPFIND of the collection alone, without a body: it tells whether the
// address and the credentials work. Servers that refuse a request do not
// always read its body, and closing with a body unread resets the
// connection before the client sees the refusal.
HttpRequest ProbeRequest(const std::string& url);
// "401 Unauthorized", or the transport's failure.
std::string StatusText(const HttpResponse& response);

// What one publish did.
struct PublishOutcome {
  bool Published = false;
  size_t Items = 0;     // the resources the calendar holds from us afterwards
  size_t Requests = 0;  // sent, the PROPFIND included
  std::string Failure;  // StatusText of the answer that stopped it
  std::string FailedUrl;
};

struct PublishJob {
  std::string Collection{};
  std::vector<ICalendarItem> Items{};
  std::string Stamp{};  // DTSTAMP of every resource written
  // Asks the server first even when nothing changed, so that new settings
  // show at once whether they work.
  bool Verify = false;
};

// Brings the collection from `state` to the job's items: the state is learnt
// from the server first when it is for another collection (or lost), then
// every new or changed item is PUT and every gone resource DELETEd. `state`
// follows each request that succeeded, and `saveState` is called now and
// then and at the end, so that an interrupted publish resumes where it
// stopped. `stopping` is asked before each request.
PublishOutcome PublishChanges(HttpTransport& http, const PublishJob& job,
                              std::optional<PublishedState>& state,
                              const std::function<void()>& saveState,
                              const std::function<bool()>& stopping);

// The wait before the next try after failures in a row: 5 seconds, doubling
// up to 10 minutes, so that a server that is down is not hammered and one
// that is back is found soon.
class BackOff {
 public:
  std::chrono::seconds Next();
  void Reset() { failures_ = 0; }

 private:
  int failures_ = 0;
};

}  // namespace tovik
