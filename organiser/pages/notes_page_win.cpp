#include "organiser/pages/notes_page_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "base/wide_text_win.h"
#include "organiser/links/links_win.h"
#include "organiser/pages/notes.h"
#include "organiser/pages/page_search.h"
#include "store/organiser_store.h"
#include "ui/dpi_win.h"
#include "ui/edit_keys_win.h"
#include "ui/tabs_win.h"

namespace tovik {
namespace {

constexpr RECT kInnerBounds = ui::Bounds(6, 23, 323, 274);
constexpr int kTabStripHeight = 42;
constexpr RECT kSearchBoxBounds = ui::Bounds(25, 297, 157, 19);
constexpr RECT kSearchPictureBounds = ui::Bounds(6, 297, 19, 19);

}  // namespace

std::span<const PageControl<NotesPage>> NotesPage::Design() {
  using P = NotesPage;
  using ui::Bounds;
  using enum ui::ControlClass;
  constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
  static const PageControl<P> kDesign[] = {
      {&P::SrchNot_,
       {kSrchNot, Edit, L"", WS_TABSTOP | ES_AUTOHSCROLL, kSearchBoxBounds, FontKind::Normal,
        WS_EX_CLIENTEDGE}},
      {&P::btnTodoHyperlink_,
       {kBtnTodoHyperlink, Button, L"Cyberlink", kButton, Bounds(189, 4, 68, 17)}},
      {&P::btnTodoDial_, {kBtnTodoDial, Button, L"", kButton, Bounds(257, 4, 68, 17)}},
      {&P::lblTodoNotesHead_,
       {kLblTodoNotesHead, Label, L"", SS_LEFT | SS_NOPREFIX, Bounds(6, 2, 184, 18),
        FontKind::Heading}},
  };
  return kDesign;
}

// The tab strip and the note box sit on the inner panel, which hands what
// they report on to the page's panel.
NotesPage::NotesPage(const PageArgs& args) : OrganiserPage(args, "psTodos", "pnlOpgaver") {
  pnlTasksInner_ = std::make_unique<ui::Panel>(ui::Panel::CreateArgs{
      .name = "pnlTasksInner", .parent = Panel().hwnd(), .bounds = ui::Scaled(kInnerBounds)});
  const int width = kInnerBounds.right - kInnerBounds.left;
  const int height = kInnerBounds.bottom - kInnerBounds.top;
  tbcTask_ = pnlTasksInner_->AddControl(WC_TABCONTROLW, L"",
                                        WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_MULTILINE,
                                        ui::Bounds(0, 0, width, kTabStripHeight), kTbcTask);
  ui::SetTabSize(tbcTask_, kTabWidth, kTabHeight);
  for (int page = 0; page < static_cast<int>(kNotePages); ++page)
    ui::InsertTab(tbcTask_, page, L"-");
  memTodoNotes_ = pnlTasksInner_->AddControl(
      L"EDIT", L"",
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
      ui::Bounds(0, kTabStripHeight, width, height - kTabStripHeight), kMemTodoNotes,
      WS_EX_CLIENTEDGE);
  CreateControls(*this, Design());
  Image2_ = CreateSearchPicture(kSearchPictureBounds, kImage2);
  FitShortSheet({{pnlTasksInner_->hwnd(), kInnerBounds, false},
                 {SrchNot_, kSearchBoxBounds, true},
                 {Image2_, kSearchPictureBounds, true}});
  // The search box keeps its help context in every language.
  SetWindowContextHelpId(SrchNot_, kSearchBoxHelpContext);
  // A page is stored with its closing NUL in fewer than 65535 bytes.
  SendMessageW(memTodoNotes_, EM_SETLIMITTEXT, kMaxStoredTextBytes - 1, 0);
  Focus().SetExitHandler(memTodoNotes_, "memTodoNotes", [this] { StoreNotesMemo(); });
  ui::LeaveOnTab(memTodoNotes_);
  KeepStorable(memTodoNotes_);
  ui::OnEnterKey(SrchNot_, "SrchNot", [this] { SearchNotes(); });
}

// The page's part of the window's activation: the tabs of the pages with
// text take their titles (the others keep theirs), and page 1 is shown.
void NotesPage::RunActivationSteps() {
  const OrganiserStore& store = Host().Store();
  for (size_t page = 0; page < kNotePages; ++page) {
    const std::string_view text = TextOf(store.NotePages[page].Text);
    if (!text.empty()) SetTabTitle(static_cast<int>(page), AnsiToWide(NoteTabTitle(text)));
  }
  shownPage_ = 1;
  SendMessageW(tbcTask_, TCM_SETCURSEL, 0, 0);
  SetWindowTextW(memTodoNotes_, AnsiToWide(TextOf(store.NotePages[0].Text)).c_str());
}

void NotesPage::ShowNotePage() {
  SetFocus(tbcTask_);
  const OrganiserStore& store = Host().Store();
  const int tab = static_cast<int>(SendMessageW(tbcTask_, TCM_GETCURSEL, 0, 0));
  shownPage_ = tab + 1;
  SetWindowTextW(memTodoNotes_, AnsiToWide(TextOf(store.NotePages[tab].Text)).c_str());
  SetFocus(memTodoNotes_);
}

// The commit of the note box: the shown page is stored (a page of blanks
// too) and its tab retitled; an empty page titles its tab "-".
void NotesPage::StoreNotesMemo() {
  const int page = shownPage_;
  OrganiserStore& store = Host().Store();
  const std::string stored = CommitNoteBox(
      memTodoNotes_, [&](std::string_view text) { return store.StoreNotePage(page, text); });
  SetTabTitle(page - 1, stored.empty() ? std::wstring(L"-") : AnsiToWide(NoteTabTitle(stored)));
}

// Finds the search text in the shown page from the character after the caret
// on, capital and small letters alike; the caret moves to the match.
void NotesPage::SearchNotes() {
  const std::wstring needle = ui::WindowText(SrchNot_);
  if (!StartsSearch(needle)) return;
  const std::wstring text = LowerCase(ui::WindowText(memTodoNotes_));
  DWORD caret = 0;
  SendMessageW(memTodoNotes_, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  const std::optional<size_t> at = NextNoteMatch(text, caret, LowerCase(needle));
  if (!at) return;
  SendMessageW(memTodoNotes_, EM_SETSEL, *at, *at);
  SendMessageW(memTodoNotes_, EM_SCROLLCARET, 0, 0);
  SetFocus(memTodoNotes_);
}

void NotesPage::SetTabTitle(int page, const std::wstring& title) {
  ui::SetTabCaption(tbcTask_, page, title);
  FitTabStrip();
}

// A title wider than its tab widens the tab, and more rows of tabs push the
// note box down: the strip is as high as designed or as its rows need.
void NotesPage::FitTabStrip() {
  RECT inner;
  GetClientRect(pnlTasksInner_->hwnd(), &inner);
  LONG rows = 0;
  for (int tab = 0; tab < static_cast<int>(kNotePages); ++tab) {
    RECT item;
    if (SendMessageW(tbcTask_, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item))) {
      rows = std::max(rows, item.bottom);
    }
  }
  const LONG strip = std::max<LONG>(ui::Scaled(kTabStripHeight), rows + ui::Scaled(2));
  SetWindowPos(tbcTask_, nullptr, 0, 0, inner.right, strip, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(memTodoNotes_, nullptr, 0, strip, inner.right, inner.bottom - strip,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void NotesPage::OnSheetLaidOut() {
  FitTabStrip();
}

std::wstring NotesPage::TabTitle(int page) const {
  return ui::TabCaption(tbcTask_, page);
}

HWND NotesPage::ControlOf(Target target) const {
  switch (target) {
    case Target::lblTodoNotesHead:
      return lblTodoNotesHead_;
    case Target::btnTodoDial:
      return btnTodoDial_;
    case Target::tbcTask:
      return tbcTask_;
    case Target::memTodoNotes:
      return memTodoNotes_;
    default:
      return nullptr;
  }
}

void NotesPage::ApplyHelpContexts(const HelpContexts& contexts) {
  SetWindowContextHelpId(memTodoNotes_, static_cast<DWORD>(contexts.memTodoNotes));
}

void NotesPage::ShowDialButton(bool shown) {
  ShowWindow(btnTodoDial_, shown ? SW_SHOW : SW_HIDE);
}

bool NotesPage::OnControlCommand(HWND, int id, int code) {
  if (code != BN_CLICKED) return false;  // a picture's STN_CLICKED is the same code
  switch (id) {
    case kBtnTodoHyperlink:
      LinkButtonClick(btnTodoHyperlink_, memTodoNotes_, &LinksAndDialling::OpenRememberedLink);
      return true;
    case kBtnTodoDial:
      LinkButtonClick(btnTodoDial_, memTodoNotes_, &LinksAndDialling::DialRememberedNumber);
      return true;
    case kImage2:
      SearchNotes();
      return true;
    default:
      return false;
  }
}

bool NotesPage::OnControlNotify(const NMHDR& header, LRESULT*) {
  if (header.idFrom == kTbcTask && header.code == TCN_SELCHANGE) {
    ShowNotePage();
    return true;
  }
  return false;
}

}  // namespace tovik
