#include "organiser/pages/events.h"

#include <algorithm>

namespace tovik {
namespace {

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && text.front() <= 32) text.remove_prefix(1);
  while (!text.empty() && text.back() <= 32) text.remove_suffix(1);
  return text;
}

}  // namespace

int CellNumber(std::wstring_view cell) {
  int number = 0;
  for (const wchar_t c : TrimBlanks(cell)) {
    if (c < L'0' || c > L'9' || number > 100000) break;
    number = number * 10 + (c - L'0');
  }
  return number;
}

int MaxEventDay(int month) {
  switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
    case 13:
      return 31;
    case 2:
      return 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 14:
      return 7;
    default:
      return 0;
  }
}

bool IsEventCellAccepted(int column, std::wstring_view text, std::wstring_view monthCell) {
  switch (column) {
    case 0:
      return CellNumber(text) <= 14;
    case 1:
      return CellNumber(text) <= MaxEventDay(CellNumber(monthCell));
    default:
      return text.size() <= kMaxEventTextShown;
  }
}

std::vector<EventRowItem> EventRowsToStore(const std::vector<EventRow>& rows) {
  std::vector<EventRowItem> items;
  for (const EventRow& row : rows) {
    const int month = CellNumber(row.Month);
    const int day = CellNumber(row.Day);
    const std::wstring_view text = TrimBlanks(row.Text);
    if (month > 0 && day > 0 && !text.empty()) {
      items.push_back({month & 0xFF, day & 0xFF, std::wstring(text)});
    }
  }
  return items;
}

void SortEvents(std::vector<PeriodicEvent>& events) {
  std::sort(events.begin(), events.end(), [](const PeriodicEvent& a, const PeriodicEvent& b) {
    return a.Month * 100 + a.Day < b.Month * 100 + b.Day;
  });
}

std::optional<int> NextEventMatch(const std::vector<std::wstring>& loweredTexts, int start,
                                  std::wstring_view needle) {
  const int count = static_cast<int>(loweredTexts.size());
  for (int step = 1; step <= count; ++step) {
    const int row = (start + step - 1) % count + 1;
    if (loweredTexts[static_cast<size_t>(row - 1)].find(needle) != std::wstring::npos) return row;
  }
  return std::nullopt;
}

}  // namespace tovik
