#include "organiser/notes_page_win.h"

#include <commctrl.h>

#include <array>

#include "store/section_reader.h"

namespace tovik {
namespace {

constexpr RECT kInnerBounds = ui::Bounds(6, 23, 323, 274);
constexpr int kTabStripHeight = 42;

}  // namespace

std::span<const ControlDesign<NotesPage>> NotesPage::Design() {
  using P = NotesPage;
  using ui::Bounds;
  constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
  static const ControlDesign<P> kDesign[] = {
      {&P::SrchNot_, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, Bounds(25, 297, 157, 19),
       FontKind::Normal, WS_EX_CLIENTEDGE},
      {&P::btnTodoHyperlink_, L"BUTTON", L"Cyberlink", kButton, Bounds(189, 4, 68, 17)},
      {&P::btnTodoDial_, L"BUTTON", L"", kButton, Bounds(257, 4, 68, 17)},
      {&P::lblTodoNotesHead_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, Bounds(6, 2, 184, 18),
       FontKind::Heading},
  };
  return kDesign;
}

// The tab strip and the note box sit on the inner panel, which hands what
// they report on to the page's panel.
NotesPage::NotesPage(const PageArgs& args) : OrganiserPage(args, "psTodos", "pnlOpgaver") {
  pnlTasksInner_ = std::make_unique<ui::Panel>(ui::Panel::CreateArgs{
      .name = "pnlTasksInner", .parent = Panel().hwnd(), .bounds = kInnerBounds});
  const int width = kInnerBounds.right - kInnerBounds.left;
  const int height = kInnerBounds.bottom - kInnerBounds.top;
  tbcTask_ = pnlTasksInner_->AddControl(
      WC_TABCONTROLW, L"",
      WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH | TCS_MULTILINE,
      ui::Bounds(0, 0, width, kTabStripHeight), 0);
  SendMessageW(tbcTask_, TCM_SETITEMSIZE, 0, MAKELPARAM(kTabWidth, kTabHeight));
  for (size_t page = 0; page < kNotePages; ++page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    wchar_t title[] = L"-";
    item.pszText = title;
    SendMessageW(tbcTask_, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
  memTodoNotes_ = pnlTasksInner_->AddControl(
      L"EDIT", L"",
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
      ui::Bounds(0, kTabStripHeight, width, height - kTabStripHeight), 0, WS_EX_CLIENTEDGE);
  CreateControls(*this, Design());
  Image2_ = CreateSearchPicture(ui::Bounds(6, 297, 19, 19));
  // The search box keeps its help context in every language.
  SetWindowContextHelpId(SrchNot_, kSearchBoxHelpContext);
}

void NotesPage::RunActivationSteps() {}

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

bool NotesPage::OnControlCommand(HWND, int, int) {
  return false;
}

bool NotesPage::OnControlNotify(const NMHDR&, LRESULT*) {
  return false;
}

}  // namespace tovik
