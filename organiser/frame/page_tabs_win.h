#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "organiser/languages/targets.h"
#include "organiser/pages/appointments_page_win.h"
#include "organiser/pages/events_page_win.h"
#include "organiser/pages/notes_page_win.h"

namespace tovik {

// The page control pgcTop and its three pages, each a tab. The calendar page
// is made with the window; the other two, which the first showing does not
// show, when they are first asked for.
class PageTabs {
 public:
  enum Page { kAppointmentsPage = 0, kEventsPage = 1, kNotesPage = 2 };
  static constexpr int kId = 900;

  struct CreateArgs {
    RECT bounds{};   // in the window's client area, as designed
    PageArgs pages;  // its bounds are left to the tabs
    // A page made after the window, to take what the window has applied.
    std::function<void(OrganiserPage& page, TargetOwner owner)> onPageMade;
  };
  explicit PageTabs(CreateArgs args);

  HWND hwnd() const { return tabs_; }
  AppointmentsPage& Appointments() { return *appointments_; }
  EventsPage& Events();
  NotesPage& Notes();
  // The pages as made so far; empty while still to come.
  const std::unique_ptr<EventsPage>& MadeEvents() const { return events_; }
  const std::unique_ptr<NotesPage>& MadeNotes() const { return notes_; }
  // The pages made so far, in the order of the tabs.
  std::vector<OrganiserPage*> Made() const;

  int Active() const;
  // Brings a page to the front, making it first when it is still to come.
  void Select(int page);
  std::wstring Caption(int page) const;
  // After the captions or the scale changed, the tabs may take another
  // number of rows: the sheets take the place the tabs leave.
  void PlaceSheets();

 private:
  void ShowActiveSheet();
  PageArgs ArgsForPage() const;
  template <class Sheet>
  Sheet& MadeOnce(std::unique_ptr<Sheet>& page, TargetOwner owner);

  CreateArgs args_;
  HWND tabs_ = nullptr;
  std::unique_ptr<AppointmentsPage> appointments_;
  std::unique_ptr<EventsPage> events_;
  std::unique_ptr<NotesPage> notes_;
};

}  // namespace tovik
