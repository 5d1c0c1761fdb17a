#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/organiser_store.h"

// The portable rules of the periodic events page: the grid's cells, its
// checks while typing, the list written back to the store, the order of the
// events and of the search.
namespace tovik {

// The grid's rows: row 0 holds the headings, rows 1 to 299 the events on
// view, and row 300, below them, the 300th event.
constexpr int kEventGridRows = 301;
constexpr size_t kMaxEventTextShown = 70;  // longer texts are stored, with a beep

// A cell's number: characters of code 32 and below removed from both ends,
// then the decimal digits from the start; a text without a leading digit is 0.
int CellNumber(std::wstring_view cell);

// The highest day a row's month value takes: 31, 28 for February (29
// February is refused), 30, 31 every month (13), weekday 7 every week (14),
// and 0 without a month or above 14.
int MaxEventDay(int month);

// The check of a cell as it is typed: false when the value is impossible.
// `monthCell` is column 0 of the same row, as the grid holds it.
bool IsEventCellAccepted(int column, std::wstring_view text, std::wstring_view monthCell);

// What the grid's rows give back to the store: each row with a month, a day
// and a text (blanks trimmed at both ends) in row order; the others drop out.
struct EventRow {
  std::wstring Month, Day, Text;
};
struct EventRowItem {
  int Month = 0;
  int Day = 0;
  std::wstring Text;
};
std::vector<EventRowItem> EventRowsToStore(const std::vector<EventRow>& rows);

// The events in the grid's order, which the store takes over: by month and
// day, with the monthly (13) and weekly (14) events after December.
void SortEvents(std::vector<PeriodicEvent>& events);

// The row of the next event whose lower-cased text holds the lower-cased
// needle, looking from the row after `start` round to `start` itself; rows
// count from 1, and `texts[i]` is row i + 1.
std::optional<int> NextEventMatch(const std::vector<std::wstring>& loweredTexts, int start,
                                  std::wstring_view needle);

}  // namespace tovik
