#include "app/logging.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tovik {
namespace {

TEST(FormatIsoDateTime, ModesPadAndUseFixedSeparators) {
  const LocalDateTime early{987, 3, 4, 5, 6, 7};
  const LocalDateTime late{2026, 12, 31, 23, 59, 58};
  struct Case {
    IsoDateTimeMode mode;
    LocalDateTime moment;
    const char* expected;
  } cases[] = {
      {IsoDateTimeMode::DateAndTime, late, "2026-12-31 23:59:58"},
      {IsoDateTimeMode::DateOnly, late, "2026-12-31"},
      {IsoDateTimeMode::TimeOnly, late, "23:59:58"},
      {IsoDateTimeMode::DateAndTime, early, "0987-03-04 05:06:07"},
      {IsoDateTimeMode::TimeOnly, {2000, 1, 1, 0, 0, 0}, "00:00:00"},
      // Midnight still shows its time in the combined form.
      {IsoDateTimeMode::DateAndTime, {2000, 1, 1, 0, 0, 0}, "2000-01-01 00:00:00"},
      // Any mode other than date only or time only gives both.
      {static_cast<IsoDateTimeMode>(7), late, "2026-12-31 23:59:58"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatIsoDateTime(c.mode, c.moment), c.expected) << static_cast<int>(c.mode);
  }
}

TEST(TrimSystemErrorText, CutsAfterLastCharacterThatIsNotBlankControlOrFullStop) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {"The system cannot find the file specified.\r\n",
       "The system cannot find the file specified"},
      {"Access is denied. \r\n\t", "Access is denied"},
      {"Ends in dots...\n", "Ends in dots"},
      {"Version 1.2 is wrong", "Version 1.2 is wrong"},
      {"a.b.c", "a.b.c"},
      {" \r\n.", ""},
      {"", ""},
      {std::string("Nul\0", 4), "Nul"},
      {"Fejl \xC3\xA6\r\n", "Fejl \xC3\xA6"},  // bytes of non-ASCII letters stay
  };
  for (const Case& c : cases) EXPECT_EQ(TrimSystemErrorText(c.text), c.expected) << c.text;
}

LogContext SampleContext() {
  LogContext context;
  context.Now = {2026, 2, 3, 14, 5, 9};
  context.NativeDateTime = "03.02.2026 14:05:09";
  context.LastError = 2;
  context.LastErrorText = "The system cannot find the file specified.\r\n";
  context.ProcessId = 4660;
  context.ThreadId = 22136;
  context.CurrentDirectory = "C:\\Program Files\\Tovik";
  return context;
}

std::vector<std::string> SplitCrLf(const std::string& record) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = record.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(record.substr(start, end - start));
  }
  EXPECT_EQ(start, record.size()) << "text after the last CR LF";
  return lines;
}

TEST(FormatLogRecord, KindAndOptionalLinesFollowWhatIsGiven) {
  const std::string fixedTop[] = {"DateTime (ISO): 2026-02-03 14:05:09",
                                  "DateTime (native): 03.02.2026 14:05:09"};
  const std::string fixedMiddle[] = {
      "Last Windows Error: 2 (\"The system cannot find the file specified\")",
      "Current Process ID: 4660", "Current Thread ID: 22136",
      "Current Work Directory: C:\\Program Files\\Tovik"};
  const ErrorDescription ioError{"tovik::IoError", "Cannot write Tovik.dat"};
  struct Case {
    LogEntry entry;
    std::vector<std::string> expected;  // the kind line, then what follows the fixed lines
    std::string senderLine;
  } cases[] = {
      {{}, {"--Info--"}, ""},
      {{"", std::nullopt, "", "Started"}, {"--Message--", "Message: Started"}, ""},
      {{"btnExit", ioError, "", ""},
       {"--Exception--", "Exception Class Name: tovik::IoError",
        "Exception Message: Cannot write Tovik.dat"},
       "Sender: btnExit"},
      {{"TTovikMain", ioError, "SaveSections", "while closing"},
       {"--Combined--", "ID: SaveSections", "Message: while closing",
        "Exception Class Name: tovik::IoError", "Exception Message: Cannot write Tovik.dat"},
       "Sender: TTovikMain"},
      {{"", std::nullopt, "42", ""}, {"--Info--", "ID: 42"}, ""},
      // An error whose message is empty is still an exception record.
      {{"", ErrorDescription{"std::exception", ""}, "", ""},
       {"--Exception--", "Exception Class Name: std::exception", "Exception Message: "},
       ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected{c.expected.front()};
    expected.insert(expected.end(), std::begin(fixedTop), std::end(fixedTop));
    if (!c.senderLine.empty()) expected.push_back(c.senderLine);
    expected.insert(expected.end(), std::begin(fixedMiddle), std::end(fixedMiddle));
    expected.insert(expected.end(), c.expected.begin() + 1, c.expected.end());
    expected.push_back("");
    EXPECT_EQ(SplitCrLf(FormatLogRecord(SampleContext(), c.entry)), expected) << c.expected[0];
  }
}

TEST(FormatLogRecord, RecordEndsWithOneEmptyLine) {
  const std::string record = FormatLogRecord(SampleContext(), {});
  ASSERT_GE(record.size(), 4u);
  EXPECT_EQ(record.substr(record.size() - 4), "\r\n\r\n");
  EXPECT_NE(record.substr(record.size() - 6, 2), "\r\n");
}

struct CustomFailure : std::runtime_error {
  CustomFailure() : std::runtime_error("custom") {}
};

TEST(DescribeError, GivesReadableDynamicClassNameAndMessage) {
  const CustomFailure custom;
  const std::exception& asBase = custom;
  EXPECT_EQ(DescribeError(asBase).ClassName, "tovik::(anonymous namespace)::CustomFailure");
  EXPECT_EQ(DescribeError(asBase).Message, "custom");
  EXPECT_EQ(DescribeError(std::out_of_range("x")).ClassName, "std::out_of_range");
}

TEST(DescribeError, CurrentErrorCoversNonStandardExceptions) {
  try {
    throw std::invalid_argument("Invalid argument to date encode");
  } catch (...) {
    const ErrorDescription d = DescribeCurrentError();
    EXPECT_EQ(d.ClassName, "std::invalid_argument");
    EXPECT_EQ(d.Message, "Invalid argument to date encode");
  }
  try {
    throw 42;
  } catch (...) {
    const ErrorDescription d = DescribeCurrentError();
    EXPECT_FALSE(d.ClassName.empty());
    EXPECT_FALSE(d.Message.empty());
  }
}

}  // namespace
}  // namespace tovik
