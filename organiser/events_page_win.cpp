#include "organiser/events_page_win.h"

#include <array>

namespace tovik {

std::span<const ControlDesign<EventsPage>> EventsPage::Design() {
  using P = EventsPage;
  using ui::Bounds;
  static const ControlDesign<P> kDesign[] = {
      {&P::edtEventsSearch_, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, Bounds(25, 281, 157, 19),
       FontKind::Normal, WS_EX_CLIENTEDGE},
      {&P::lblEventsHead_, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, Bounds(6, 2, 297, 18),
       FontKind::Heading},
  };
  return kDesign;
}

EventsPage::EventsPage(const PageArgs& args) : OrganiserPage(args, "psEvents", "pnlBegivenheder") {
  sgEvents_ = std::make_unique<ui::StringGrid>(ui::StringGrid::CreateArgs{
      .name = "sgEvents",
      .parent = Panel().hwnd(),
      .bounds = ui::Bounds(6, 24, 300, 257),
      .shape = {.Columns = 3, .Rows = kGridRows, .FixedRows = 1, .VerticalScrollBar = true},
      .storedRows = kStoredRows,
      .colWidths = {28, 26, 215},
      .rowHeight = 16,
      .font = Fonts().normal});
  CreateControls(*this, Design());
  Image3_ = CreateSearchPicture(ui::Bounds(6, 281, 19, 19));
  // The search box keeps its help context in every language.
  SetWindowContextHelpId(edtEventsSearch_, kSearchBoxHelpContext);
}

void EventsPage::RunActivationSteps() {}

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

void EventsPage::SetHeading(int column, std::wstring text) {
  sgEvents_->SetCell(column, 0, std::move(text));
}

bool EventsPage::OnControlCommand(HWND, int, int) {
  return false;
}

bool EventsPage::OnControlNotify(const NMHDR&, LRESULT*) {
  return false;
}

}  // namespace tovik
