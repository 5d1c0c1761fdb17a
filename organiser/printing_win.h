#pragma once
#include <windows.h>

namespace tovik {

// Printing and the diary export: the shown day's notes or the events list,
// the whole calendar from today on, and the diary as a text file. Its three
// commands stay disabled in the File menu until they print.
class Printing {
 public:
  void ExportDiary() {}
  void PrintDayNotes() {}
  void PrintCalendar() {}
};

}  // namespace tovik
