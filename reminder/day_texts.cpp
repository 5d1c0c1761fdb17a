#include "reminder/day_texts.h"

namespace tovik {

namespace {
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kDateLinePattern = "dddd ddddd";
constexpr size_t kDashLineLength = 29;

bool EndsWithLineFeed(const std::string& text) {
  return !text.empty() && text.back() == '\n';
}
}  // namespace

DayTexts BuildDayTexts(const ReminderData& data, int32_t today, DateFormatter& dates,
                       const StoredTextDecoder& decode) {
  std::vector<DueEntry> due = data.DueList;
  SortDueList(due);
  const std::string datePicture = DatePatternToPicture(kDateLinePattern, dates.Formats());

  DayTexts texts;
  std::string box;
  int32_t previous = 0;
  auto hand_over = [&](int32_t date) {
    if (date == today) {
      texts.Today = std::move(box);
    } else if (date == today + 1) {
      texts.Tomorrow = std::move(box);
    } else {
      return;
    }
    box.clear();
  };
  for (const DueEntry& entry : due) {
    const int32_t date = DateOfDueKey(entry.Key);
    if (date != previous) {
      hand_over(previous);
      if (date > today + 1) {
        box.append(kDashLineLength, '-');
        box += kCrLf;
        box += dates.Format(DateFromDayNumber(date), datePicture);
        box += kCrLf;
      }
      previous = date;
    }
    if (entry.Ref < 0) {
      const std::string& text = data.Events[static_cast<size_t>(-entry.Ref) - 1].Text;
      // Cut on the stored bytes, so the limit counts the characters the
      // user typed in a single-byte code page.
      box += "* ";
      box += decode(std::string_view(text).substr(0, kMaxEventLine - 2));
      box += kCrLf;
    } else {
      box += decode(data.Appointments[static_cast<size_t>(entry.Ref) - 1].Text);
      if (!EndsWithLineFeed(box)) box += kCrLf;
    }
  }
  if (!box.empty()) {
    if (previous == today || previous == today + 1) {
      hand_over(previous);
    } else {
      texts.Following = std::move(box);
    }
  }
  return texts;
}

}  // namespace tovik
