#include "organiser/pages/events_page_win.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "base/wide_text_win.h"
#include "organiser/pages/events.h"
#include "organiser/pages/page_search.h"
#include "store/organiser_store.h"
#include "ui/edit_keys_win.h"

namespace tovik {
namespace {

constexpr RECT kGridBounds = ui::Bounds(6, 24, 300, 257);
constexpr RECT kSearchBoxBounds = ui::Bounds(25, 281, 157, 19);
constexpr RECT kSearchPictureBounds = ui::Bounds(6, 281, 19, 19);

}  // namespace

std::span<const PageControl<EventsPage>> EventsPage::Design() {
  using P = EventsPage;
  using ui::Bounds;
  using enum ui::ControlClass;
  static const PageControl<P> kDesign[] = {
      {&P::edtEventsSearch_,
       {kEdtEventsSearch, Edit, L"", WS_TABSTOP | ES_AUTOHSCROLL, kSearchBoxBounds,
        FontKind::Normal, WS_EX_CLIENTEDGE}},
      {&P::lblEventsHead_,
       {kLblEventsHead, Label, L"", SS_LEFT | SS_NOPREFIX, Bounds(6, 2, 297, 18),
        FontKind::Heading}},
  };
  return kDesign;
}

EventsPage::EventsPage(const PageArgs& args) : OrganiserPage(args, "psEvents", "pnlBegivenheder") {
  sgEvents_ = std::make_unique<ui::StringGrid>(ui::StringGrid::CreateArgs{
      .name = "sgEvents",
      .parent = Panel().hwnd(),
      .id = kSgEvents,
      .bounds = kGridBounds,
      .shape = {.Columns = 3, .Rows = kGridRows, .FixedRows = 1, .VerticalScrollBar = true},
      .storedRows = kStoredRows,
      .colWidths = {28, 26, 215},
      .rowHeight = 16,
      .font = Font(FontKind::Normal),
      .editing = true,
      .tabs = true});
  CreateControls(*this, Design());
  Image3_ = CreateSearchPicture(kSearchPictureBounds, kImage3);
  FitShortSheet({{sgEvents_->hwnd(), kGridBounds, false},
                 {edtEventsSearch_, kSearchBoxBounds, true},
                 {Image3_, kSearchPictureBounds, true}});
  // The search box keeps its help context in every language.
  SetWindowContextHelpId(edtEventsSearch_, kSearchBoxHelpContext);
  sgEvents_->EditMask = [](int col) { return col < 2 ? std::wstring(L"00") : std::wstring(); };
  sgEvents_->OnSetEditText = [this](int col, int row, const std::wstring& text) {
    sgEventsSetEditText(col, row, text);
  };
  Focus().SetExitHandler(sgEvents_->hwnd(), "sgEvents", [this] { sgEventsExit(); });
  Focus().Include(sgEvents_->Editor());
  KeepStorable(sgEvents_->Editor());
  ui::OnEnterKey(edtEventsSearch_, "edtEventsSearch", [this] { SearchEvents(); });
}

// The page's part of the window's activation. A grid whose leaving was
// stopped by a half-typed cell still holds its typing, which is stored
// before the grid is refilled from the store.
void EventsPage::RunActivationSteps() {
  if (unstored_) CommitGrid();
  FillEventsGrid();
}

namespace {
std::wstring TwoDigits(int n) {
  return (n < 10 ? L"0" : L"") + std::to_wstring(n);
}
}  // namespace

// The whole text goes into its cell, however long.
void EventsPage::FillEventsGrid() {
  OrganiserStore& store = Host().Store();
  if (store.EventCount() >= 2) SortEvents(store.EventSlots);
  int row = 1;
  for (const PeriodicEvent& event : store.EventSlots) {
    sgEvents_->SetCell(0, row, TwoDigits(event.Month));
    sgEvents_->SetCell(1, row, TwoDigits(event.Day));
    sgEvents_->SetCell(2, row, AnsiToWide(TextOf(event.Text)));
    ++row;
  }
  for (const auto& refused : refusedRows_) {
    if (row >= kStoredRows) break;
    for (int col = 0; col < 3; ++col) sgEvents_->SetCell(col, row, refused[col]);
    ++row;
  }
  for (; row < kStoredRows; ++row) {
    for (int col = 0; col < 3; ++col) sgEvents_->SetCell(col, row, {});
  }
}

// CheckEventCell: an impossible value beeps and the refused cell becomes the
// current cell again; the text stays as typed.
void EventsPage::sgEventsSetEditText(int col, int row, const std::wstring& text) {
  if (IsEventCellAccepted(col, text, sgEvents_->Cell(0, row))) return;
  Host().Beep();
  sgEvents_->MoveCurrent(col, row);
}

// The grid is left: what it holds is written back. A month or day that was
// changed and is half typed stops the user first, as the edit mask does,
// in the current language.
void EventsPage::sgEventsExit() {
  if (HalfTyped() && !Focus().Committing()) {
    unstored_ = true;
    Host().Beep();
    throw std::runtime_error(WideToUtf8(Host().Text(Target::MsgInvalidInput)));
  }
  CommitGrid();
}

bool EventsPage::HalfTyped() const {
  return sgEvents_->Col() < 2 && sgEvents_->EditorModified() &&
         GetWindowTextLengthW(sgEvents_->Editor()) != 2;
}

// The window's own commit of the grid stops for no box and drops no row: a
// half-typed month or day is stored as its one digit, and a cell emptied
// gets its value back, since an empty month or day would drop the whole row.
void EventsPage::CommitGrid() {
  if (HalfTyped() && GetWindowTextLengthW(sgEvents_->Editor()) == 0) sgEvents_->RevertEditor();
  StoreEventsGrid();
}

// Rows with a month, a day and a text close up and are stored; a text too
// long to store is refused alone, with a message, and stays in its row.
void EventsPage::StoreEventsGrid() {
  unstored_ = false;
  std::vector<EventRow> rows;
  for (int row = 1; row < kStoredRows; ++row) {
    rows.push_back({sgEvents_->Cell(0, row), sgEvents_->Cell(1, row), sgEvents_->Cell(2, row)});
  }
  std::vector<EventItem> items;
  refusedRows_.clear();
  for (const EventRowItem& item : EventRowsToStore(rows)) {
    std::string text = WideToAnsi(item.Text);
    if (!FitsInStore(text)) {
      refusedRows_.push_back({TwoDigits(item.Month), TwoDigits(item.Day), item.Text});
    }
    items.push_back({item.Month, item.Day, std::move(text)});
  }
  Host().Store().ReplaceEvents(items);
  Host().SaveChanges();
  FillEventsGrid();
  Host().UpdateDayMarks();
  if (!refusedRows_.empty()) Host().ShowMessage(Host().Text(Target::MsgTextTooLong));
}

// From the row after the current one round to it; the match becomes the top
// row on view, with its text current.
void EventsPage::SearchEvents() {
  const OrganiserStore& store = Host().Store();
  const std::wstring needle = ui::WindowText(edtEventsSearch_);
  const int count = static_cast<int>(store.EventCount());
  if (count > 0 && StartsSearch(needle)) {
    std::vector<std::wstring> texts;
    for (int row = 1; row <= count; ++row) texts.push_back(LowerCase(sgEvents_->Cell(2, row)));
    const int start = std::min(sgEvents_->Row(), count);
    if (const std::optional<int> match = NextEventMatch(texts, start, LowerCase(needle))) {
      sgEvents_->SetTopRow(*match);
      sgEvents_->MoveCurrent(2, *match);
    }
  }
  SetFocus(sgEvents_->hwnd());
}

HWND EventsPage::ControlOf(Target target) const {
  switch (target) {
    case Target::lblEventsHead:
      return lblEventsHead_;
    case Target::sgEvents:
      return sgEvents_->hwnd();
    case Target::edtEventsSearch:
      return edtEventsSearch_;
    default:
      return nullptr;
  }
}

void EventsPage::ApplyHelpContexts(const HelpContexts& contexts) {
  SetWindowContextHelpId(sgEvents_->hwnd(), static_cast<DWORD>(contexts.sgEvents));
}

void EventsPage::ShowRow(int row) {
  SetFocus(sgEvents_->hwnd());
  sgEvents_->MoveCurrent(0, row);
}

std::vector<PrintedEventRow> EventsPage::PrintedRows() const {
  std::vector<PrintedEventRow> rows;
  for (int row = 1; row < kGridRows; ++row) {
    rows.push_back({WideToUtf8(sgEvents_->Cell(0, row)), WideToUtf8(sgEvents_->Cell(1, row)),
                    WideToUtf8(sgEvents_->Cell(2, row))});
  }
  return rows;
}

void EventsPage::SetHeading(int column, std::wstring text) {
  sgEvents_->SetCell(column, 0, std::move(text));
}

bool EventsPage::OnControlCommand(HWND, int id, int code) {
  if (code == STN_CLICKED && id == kImage3) {
    SearchEvents();
    return true;
  }
  return false;
}

bool EventsPage::OnControlNotify(const NMHDR&, LRESULT*) {
  return false;
}

}  // namespace tovik
