#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "organiser/publish/publish_run.h"
#include "organiser/publish/published_state.h"

namespace tovik {
namespace {

constexpr char kCollection[] = "https://h/cal/";

ICalendarItem Day(const std::string& date, const std::string& text) {
  return {"day-" + date + "@tovik", 0, {}, text};
}
ICalendarItem Monthly(const std::string& id, int32_t start, const std::string& text) {
  return {"event-" + id + "@tovik", start, "FREQ=MONTHLY;BYMONTHDAY=15", text};
}
PublishedState StateOf(const std::vector<ICalendarItem>& items) {
  PublishedState state{.Collection = kCollection};
  for (const ICalendarItem& item : items) state.Resources[ResourceName(item)] = Fingerprint(item);
  return state;
}
std::vector<std::string> Names(const std::vector<const ICalendarItem*>& items) {
  std::vector<std::string> names;
  for (const ICalendarItem* item : items) names.push_back(ResourceName(*item));
  return names;
}

// What a publish sends, from one published state to the items of now.
TEST(PublishChangeSet, PutsWhatIsNewOrChangedAndDeletesWhatIsGone) {
  const std::vector<ICalendarItem> before{Day("20261209", "Dentist"), Day("20261210", "Choir"),
                                          Monthly("1", 100, "Rent")};
  PublishedState unknown = StateOf(before);
  unknown.Resources["day-20261209@tovik.ics"] = 0;  // learnt from the server
  const struct {
    const char* name;
    PublishedState published;
    std::vector<ICalendarItem> now;
    std::vector<std::string> put;
    std::vector<std::string> remove;
  } cases[] = {
      {"first publish",
       {},
       before,
       {"day-20261209@tovik.ics", "day-20261210@tovik.ics", "event-1@tovik.ics"},
       {}},
      {"nothing changed", StateOf(before), before, {}, {}},
      {"a new day moves the events' first dates only",
       StateOf(before),
       {before[0], before[1], Monthly("1", 131, "Rent")},
       {},
       {}},
      {"one day's text",
       StateOf(before),
       {before[0], Day("20261210", "Choir at eight"), before[2]},
       {"day-20261210@tovik.ics"},
       {}},
      {"a blanked day and a gone event",
       StateOf(before),
       {before[0]},
       {},
       {"day-20261210@tovik.ics", "event-1@tovik.ics"}},
      {"content the server holds unknown", unknown, before, {"day-20261209@tovik.ics"}, {}},
      {"a text that moved between summary and rule",
       StateOf({Day("20261209", "a")}),
       {{"day-20261209@tovik", 0, "a", ""}},
       {"day-20261209@tovik.ics"},
       {}},
  };
  for (const auto& c : cases) {
    const ChangeSet changes = ChangesSince(c.published, c.now);
    EXPECT_EQ(Names(changes.Put), c.put) << c.name;
    EXPECT_EQ(changes.Delete, c.remove) << c.name;
  }
}

// The state file comes back as it was written; a file of another version,
// a foreign name or a damaged line is no state at all.
TEST(PublishedStateFile, RoundTripAndWhatIsRefused) {
  PublishedState state = StateOf({Day("20261209", "Dentist"), Monthly("ab.2-2", 1, "Rent")});
  state.Resources["day-19990101@tovik.ics"] = 0;
  EXPECT_EQ(ParsePublishedState(FormatPublishedState(state)), state);
  EXPECT_EQ(ParsePublishedState(FormatPublishedState(PublishedState{})), PublishedState{});
  const std::string header = "Tovik calendar state 1\r\ncollection https://x/\r\n";
  for (const std::string& text :
       {std::string("Tovik calendar state 2\r\ncollection x\r\n"),
        std::string("Tovik calendar state 1\r\n"), header + "12 lunch@example.ics\r\n",
        header + "xyz day-1@tovik.ics", header + "12day-1@tovik.ics", std::string()}) {
    EXPECT_FALSE(ParsePublishedState(text).has_value()) << text;
  }
}

// A server in memory: it answers each request from a list and keeps what
// came.
class FakeServer : public HttpTransport {
 public:
  std::deque<HttpResponse> answers;
  std::vector<std::string> sent;  // "METHOD url"
  HttpResponse Send(const HttpRequest& request) override {
    sent.push_back(request.Method + " " + request.Url);
    if (answers.empty()) return {.Status = 201};
    HttpResponse answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The first publish learns what the server holds and removes only what we
// made; the next publish of one changed day sends one request.
TEST(PublishRun, FirstPublishThenOneRequestForOneChangedDay) {
  FakeServer server;
  server.answers = {{.Status = 207},
                    {.Status = 207,
                     .Body = "<multistatus xmlns=\"DAV:\"><response><href>/cal/</href></response>"
                             "<response><href>/cal/lunch.ics</href></response><response><href>"
                             "/cal/day-19990101%40tovik.ics</href></response></multistatus>"}};
  std::vector<ICalendarItem> items{Day("20261209", "Dentist"), Monthly("1", 5, "Rent")};
  std::optional<PublishedState> state;
  int saves = 0;
  const auto save = [&saves] { ++saves; };
  const auto never = [] { return false; };
  PublishOutcome outcome = PublishChanges(server, {kCollection, items, "S"}, state, save, never);
  EXPECT_TRUE(outcome.Published);
  EXPECT_EQ(outcome.Items, 2u);
  EXPECT_EQ(server.sent,
            (std::vector<std::string>{"PROPFIND https://h/cal/", "PROPFIND https://h/cal/",
                                      "DELETE https://h/cal/day-19990101%40tovik.ics",
                                      "PUT https://h/cal/day-20261209%40tovik.ics",
                                      "PUT https://h/cal/event-1%40tovik.ics"}));
  EXPECT_EQ(state, StateOf(items));
  EXPECT_EQ(saves, 2);

  server.sent.clear();
  items[0].Text = "Dentist at ten";
  outcome = PublishChanges(server, {kCollection, items, "S"}, state, save, never);
  EXPECT_EQ(server.sent, std::vector<std::string>{"PUT https://h/cal/day-20261209%40tovik.ics"});
}

}  // namespace
}  // namespace tovik
