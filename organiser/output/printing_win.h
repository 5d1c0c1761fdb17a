#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/day_number.h"
#include "base/file_system.h"
#include "organiser/languages/targets.h"
#include "organiser/output/printing.h"

namespace tovik {

class DateFormatter;
class OrganiserStore;
class TzqLogging;

// Opens a printer's document: null when the user cancels the print dialog.
using PrinterOpener = std::function<std::unique_ptr<PrintCanvas>(HWND owner)>;

// The print dialog; the chosen printer's document begins at once.
std::unique_ptr<PrintCanvas> OpenChosenPrinter(HWND owner);

// What printing and the exports read of the organiser.
class PrintSource {
 public:
  virtual const OrganiserStore& Store() = 0;
  virtual DateFormatter& Dates() = 0;
  // A text of the current language that no control shows, UTF-8.
  virtual std::string LanguageText(Target target) const = 0;
  // The window that owns the print dialog and the messages.
  virtual HWND Owner() = 0;
  // The folder of the data file, where the exports are written.
  virtual std::string DataRoot() = 0;
  // The first day of the calendar's weeks, 0 = Sunday.
  virtual int StartOfWeek() = 0;
  // A failure of the file at `path`: the log keeps it, and the user is shown `shown`.
  virtual void Report(std::string_view sender, const IoError& error, const std::string& path,
                      const std::string& shown) = 0;

 protected:
  ~PrintSource() = default;
};

// Printing and the exports: the shown day's notes or the events list, the
// whole calendar from today on, the diary as a text file, and the diary and
// the events as an iCalendar file.
class Printing {
 public:
  Printing(PrintSource& source, PrinterOpener openPrinter)
      : source_(source), openPrinter_(openPrinter ? std::move(openPrinter) : OpenChosenPrinter) {}
  void ExportDiary();
  void ExportICalendar();
  // The day the calendar page shows, with its note's lines as the box shows them.
  void PrintDayNotes(const CalendarDate& day, const std::vector<std::string>& lines);
  void PrintEventsList(const std::vector<PrintedEventRow>& rows);
  void PrintCalendar();

 private:
  void ExportTo(Target item, Target failureText, const std::string& path,
                const std::function<void(FileSystem& fs)>& write);

  PrintSource& source_;
  PrinterOpener openPrinter_;
};

// The lines of a multi-line edit box as it shows them, a wrapped paragraph
// as several; a last line that is empty is no line.
std::vector<std::string> ShownLines(HWND box);

}  // namespace tovik
