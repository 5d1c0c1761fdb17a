#include "organiser/frame/page_tabs_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/tabs_win.h"
#include "ui/window_win.h"

namespace tovik {
namespace {
constexpr int kTabWidth = 113;
constexpr int kTabHeight = 20;
}  // namespace

// Each page's sheet lies above the tab control, in the area its tabs leave.
PageTabs::PageTabs(CreateArgs args) : args_(std::move(args)) {
  const RECT bounds = ui::Scaled(args_.bounds);
  const HWND window = args_.pages.window;
  tabs_ = ui::Created(CreateWindowExW(
      0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_MULTILINE,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), GetModuleHandleW(nullptr), nullptr));
  SendMessageW(
      tabs_, WM_SETFONT,
      reinterpret_cast<WPARAM>((*args_.pages.fonts)[static_cast<size_t>(FontKind::Normal)]), FALSE);
  ui::SetTabSize(tabs_, kTabWidth, kTabHeight);
  for (int page = kAppointmentsPage; page <= kNotesPage; ++page) ui::InsertTab(tabs_, page, L"");
  appointments_ = std::make_unique<AppointmentsPage>(ArgsForPage());
}

// The pages' arguments with the area the tabs leave, in the window's client
// area.
PageArgs PageTabs::ArgsForPage() const {
  PageArgs page = args_.pages;
  GetClientRect(tabs_, &page.bounds);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page.bounds));
  MapWindowPoints(tabs_, page.window, reinterpret_cast<POINT*>(&page.bounds), 2);
  return page;
}

void PageTabs::PlaceSheets() {
  const RECT bounds = ArgsForPage().bounds;
  for (OrganiserPage* page : Made()) page->Place(bounds);
}

template <class Sheet>
Sheet& PageTabs::MadeOnce(std::unique_ptr<Sheet>& page, TargetOwner owner) {
  if (!page) {
    page = std::make_unique<Sheet>(ArgsForPage());
    args_.onPageMade(*page, owner);
    ShowActiveSheet();
  }
  return *page;
}

EventsPage& PageTabs::Events() {
  return MadeOnce(events_, TargetOwner::EventsPage);
}

NotesPage& PageTabs::Notes() {
  return MadeOnce(notes_, TargetOwner::NotesPage);
}

std::vector<OrganiserPage*> PageTabs::Made() const {
  std::vector<OrganiserPage*> pages{appointments_.get()};
  if (events_) pages.push_back(events_.get());
  if (notes_) pages.push_back(notes_.get());
  return pages;
}

int PageTabs::Active() const {
  return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
}

void PageTabs::Select(int page) {
  if (page == kEventsPage) Events();
  if (page == kNotesPage) Notes();
  SendMessageW(tabs_, TCM_SETCURSEL, page, 0);
  ShowActiveSheet();
}

std::wstring PageTabs::Caption(int page) const {
  return ui::TabCaption(tabs_, page);
}

void PageTabs::ShowActiveSheet() {
  const int active = Active();
  OrganiserPage* const pages[] = {appointments_.get(), events_.get(), notes_.get()};
  for (int i = kAppointmentsPage; i <= kNotesPage; ++i) {
    if (pages[i]) ShowWindow(pages[i]->Sheet().hwnd(), i == active ? SW_SHOW : SW_HIDE);
  }
}

}  // namespace tovik
