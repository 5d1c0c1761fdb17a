#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/day_number.h"
#include "store/organiser_store.h"

// The print layouts of the organiser, drawn on a canvas that measures: the
// day's notes and the events list through a text device, and the calendar
// from today on. Texts are UTF-8.
namespace tovik {

// A printer's document in device units, its font Arial in black.
class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;
  virtual void SetFontSize(int points) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  // The current font's character height and average character width.
  virtual int CharHeight() = 0;
  virtual int AverageCharWidth() = 0;
  // The printable area.
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  virtual void NewPage() = 0;
  // Ends the document, which sends it to the printer.
  virtual void EndDocument() = 0;
};

// The day's notes: the heading, then each line of the note box as it shows
// it, indented; the document ends.
void PrintDayNotes(PrintCanvas& canvas, std::string_view heading,
                   const std::vector<std::string>& lines);
// The date pattern of the day's heading, the title standing as literal text.
std::string DayNotesHeadingPattern(std::string_view title);

// A row of the events grid as it stands: month, day and text.
struct PrintedEventRow {
  std::string Month, Day, Text;
};
// The events list: the language's heading and column line, then each row
// that has a day; the document ends.
void PrintEventsList(PrintCanvas& canvas, Language language,
                     const std::vector<PrintedEventRow>& rows);

// An element of the calendar's list: the day number times 10 (plus 1 for a
// day text, so that a date's events come first), and -n for event n or +n
// for appointment slot n.
struct PrintItem {
  int32_t Key = 0;
  int32_t Reference = 0;
};

// The yearly events at their next date and the day texts from today on, in
// date order. An event day its month lacks (31 April) falls on the month's
// last day.
std::vector<PrintItem> BuildPrintList(const OrganiserStore& store, const CalendarDate& today);

// What the calendar printout takes from the language and the locale.
struct CalendarPrintTexts {
  std::string Title;
  std::string PageLabel;
  std::string ColumnCaption;
  std::string TodayShortDate;
  // The left column of a day: week number, date and weekday.
  std::function<std::string(int32_t day)> DateLine;
  // A stored text in UTF-8.
  std::function<std::string(std::string_view stored)> Text;
};

// Draws the list, in columns, with page headings and page numbers, and ends
// the document. Returns the number of pages.
int PrintCalendar(PrintCanvas& canvas, const OrganiserStore& store,
                  const std::vector<PrintItem>& items, const CalendarPrintTexts& texts);

}  // namespace tovik
