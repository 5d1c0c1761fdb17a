#include "organiser/frame/page_tabs_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/tabs_win.h"
#include "ui/text_fit_win.h"
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
      0, WC_TABCONTROLW, L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_FIXEDWIDTH | TCS_MULTILINE,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), GetModuleHandleW(nullptr), nullptr));
  SendMessageW(
      tabs_, WM_SETFONT,
      reinterpret_cast<WPARAM>((*args_.pages.fonts)[static_cast<size_t>(FontKind::Normal)]), FALSE);
  ui::SetFixedTabSize(tabs_, kTabWidth, kTabHeight);
  for (int page = kAppointmentsPage; page <= kNotesPage; ++page) ui::InsertTab(tabs_, page, L"");
  args_.pages.bounds = SheetBounds();
  appointments_ = std::make_unique<AppointmentsPage>(args_.pages);
}

// The area the tabs leave, in the window's client area.
RECT PageTabs::SheetBounds() const {
  RECT area;
  GetClientRect(tabs_, &area);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(tabs_, args_.pages.window, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

void PageTabs::FitCaptions() {
  const int room = ui::Scaled(kTabWidth) - 2 * ui::Scaled(ui::kCaptionPadding);
  bool fit = true;
  for (int page = kAppointmentsPage; page <= kNotesPage; ++page) {
    fit = fit && ui::TextExtent(tabs_, Caption(page), DT_SINGLELINE).cx <= room;
  }
  if (fit)
    ui::SetFixedTabSize(tabs_, kTabWidth, kTabHeight);
  else
    ui::SetCaptionTabSize(tabs_, 0, kTabHeight);
  args_.pages.bounds = SheetBounds();
  for (OrganiserPage* page : Made()) page->Place(args_.pages.bounds);
}

template <class Sheet>
Sheet& PageTabs::MadeOnce(std::unique_ptr<Sheet>& page, TargetOwner owner) {
  if (!page) {
    page = std::make_unique<Sheet>(args_.pages);
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
