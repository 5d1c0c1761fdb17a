#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "organiser/output/printing.h"

namespace tovik {

class TTovikMain;

// Opens a printer's document: null when the user cancels the print dialog.
using PrinterOpener = std::function<std::unique_ptr<PrintCanvas>(HWND owner)>;

// The print dialog; the chosen printer's document begins at once.
std::unique_ptr<PrintCanvas> OpenChosenPrinter(HWND owner);

// Printing and the exports: the shown day's notes or the events list, the
// whole calendar from today on, the diary as a text file, and the diary and
// the events as an iCalendar file.
class Printing {
 public:
  explicit Printing(PrinterOpener openPrinter)
      : openPrinter_(openPrinter ? std::move(openPrinter) : OpenChosenPrinter) {}
  void ExportDiary(TTovikMain& main);
  void ExportICalendar(TTovikMain& main);
  void PrintDayNotes(TTovikMain& main);
  void PrintCalendar(TTovikMain& main);

 private:
  PrinterOpener openPrinter_;
};

}  // namespace tovik
