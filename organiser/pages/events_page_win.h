#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "organiser/output/printing.h"
#include "organiser/pages/page_win.h"
#include "ui/string_grid_win.h"

namespace tovik {

// The periodic events page (psEvents with pnlBegivenheder): the grid of the
// store's events, month, day and who-and-what, and a search box.
class EventsPage : public OrganiserPage {
 public:
  // Rows 1 to 299 show events; the cell store keeps a row 300 for the 300th.
  static constexpr int kGridRows = 300;
  static constexpr int kStoredRows = 301;

  // The ids of the page's controls, by which their commands are routed.
  enum ControlId : int { kEdtEventsSearch = 1100, kLblEventsHead, kImage3, kSgEvents };

  explicit EventsPage(const PageArgs& args);

  void RunActivationSteps() override;
  HWND FocusControl() const override { return sgEvents_->hwnd(); }
  HWND ControlOf(Target target) const override;
  void ApplyHelpContexts(const HelpContexts& contexts) override;
  // A column's heading in the grid's fixed row, 0 to 2.
  void SetHeading(int column, std::wstring text);

  ui::StringGrid& Grid() { return *sgEvents_; }
  // The grid's rows as they stand, for the printed events list.
  std::vector<PrintedEventRow> PrintedRows() const;
  HWND SearchBox() const { return edtEventsSearch_; }
  // Takes the focus with row `row`, column 0, current.
  void ShowRow(int row);
  // Sorts the store's events and shows them in the grid's rows.
  void FillEventsGrid();

  bool OnControlCommand(HWND control, int id, int code) override;
  bool OnControlNotify(const NMHDR& header, LRESULT* result) override;

 private:
  static std::span<const PageControl<EventsPage>> Design();
  void sgEventsSetEditText(int col, int row, const std::wstring& text);  // CheckEventCell
  void sgEventsExit();
  bool HalfTyped() const;
  void CommitGrid();
  void StoreEventsGrid();
  void SearchEvents();  // Image3Click, edtEventsSearchKeyPress

  // Rows refused for a text too long to store; they follow the stored events.
  std::vector<std::array<std::wstring, 3>> refusedRows_;
  // The grid's leaving was stopped, and it holds what the store has not.
  bool unstored_ = false;

  HWND edtEventsSearch_ = nullptr;
  HWND lblEventsHead_ = nullptr;
  HWND Image3_ = nullptr;
  std::unique_ptr<ui::StringGrid> sgEvents_;
};

}  // namespace tovik
