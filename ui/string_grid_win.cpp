#include "ui/string_grid_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/dpi_win.h"
#include "ui/text_fit_win.h"
#include "ui/window_win.h"

namespace tovik::ui {
namespace {
constexpr UINT_PTR kEditorSubclass = 0x5EED;
constexpr int kEditorId = 1;
constexpr int kCellInset = 2;  // between a cell's left and its text
}  // namespace

StringGrid::StringGrid(const CreateArgs& args)
    : Grid(args.shape),
      designedColWidths_(args.colWidths),
      designedRowHeight_(args.rowHeight),
      cells_(static_cast<size_t>(std::max(args.storedRows, args.shape.Rows)),
             std::vector<std::wstring>(static_cast<size_t>(args.shape.Columns))) {
  CreateGrid({.className = L"TStringGrid",
              .name = args.name,
              .exStyle = WS_EX_CLIENTEDGE,
              .parent = args.parent,
              .bounds = args.bounds,
              .id = args.id});
  ScaleCells();
  SetFont(args.font);
  if (!args.editing) return;
  tabs_ = args.tabs;
  editor_ = Created(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
                                    GetModuleHandleW(nullptr), nullptr));
  SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
  SetWindowSubclass(editor_, EditorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
}

// The designed widths at the layout DPI. A column too narrow for a heading
// grows to hold it, and the last column gives up what the others took, as
// far as its own headings let it.
void StringGrid::ScaleCells() {
  std::vector<int> widths;
  int taken = 0;
  for (size_t col = 0; col < designedColWidths_.size(); ++col) {
    const int designed = Scaled(designedColWidths_[col]);
    widths.push_back(std::max(designed, HeadingWidth(static_cast<int>(col))));
    if (col + 1 < designedColWidths_.size()) taken += widths.back() - designed;
  }
  if (!widths.empty()) {
    widths.back() =
        std::max(widths.back() - taken, HeadingWidth(static_cast<int>(widths.size()) - 1));
  }
  SetColWidths(std::move(widths));
  SetDefaultCellSize(DefaultColWidth(), Scaled(designedRowHeight_));
  if (editor_ != nullptr && GetFocus() == editor_) PositionEditor();
}

// A heading is drawn kCellInset in from the cell's left and keeps as much
// free before the next cell.
int StringGrid::HeadingWidth(int col) const {
  int width = 0;
  for (int row = 0; row < FixedRows(); ++row) {
    const std::wstring& text = Cell(col, row);
    if (text.empty()) continue;
    const SIZE size = TextExtent(hwnd(), Font(), text, DT_SINGLELINE | DT_NOPREFIX);
    width = std::max(width, static_cast<int>(size.cx) + 2 * kCellInset);
  }
  return width;
}

const std::wstring& StringGrid::Cell(int col, int row) const {
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void StringGrid::SetCell(int col, int row, std::wstring text) {
  std::wstring& cell = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
  if (cell == text) return;
  cell = std::move(text);
  if (row < FixedRows()) {
    ScaleCells();
    InvalidateRect(hwnd(), nullptr, FALSE);
    return;
  }
  if (col == editCol_ && row == editRow_ && editor_ != nullptr) {
    PlaceEditor();
  } else if (row < Rows()) {
    RECT rect = CellRect(col, row);
    InvalidateRect(hwnd(), &rect, FALSE);
  }
}

bool StringGrid::EditorModified() const {
  return editor_ != nullptr && SendMessageW(editor_, EM_GETMODIFY, 0, 0) != 0;
}

void StringGrid::RevertEditor() {
  if (editCol_ < 0) return;
  cells_[static_cast<size_t>(editRow_)][static_cast<size_t>(editCol_)] = editOriginal_;
  PlaceEditor();
}

void StringGrid::DrawCell(HDC dc, int col, int row, const RECT& rect) {
  const std::wstring& text = Cell(col, row);
  RECT inner = rect;
  inner.left += kCellInset;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The cell the editor leaves takes its text, and is checked once more; a
// check that moves the current cell back keeps the editor where it was.
void StringGrid::CurrentCellMoved(int, int) {
  if (editor_ == nullptr || committing_) return;
  committing_ = true;
  if (editCol_ >= 0 && OnSetEditText) {
    OnSetEditText(editCol_, editRow_, Cell(editCol_, editRow_));
  }
  committing_ = false;
  if (Col() != editCol_ || Row() != editRow_) PlaceEditor();
}

void StringGrid::TopRowChanged() {
  PositionEditor();
}

void StringGrid::PlaceEditor() {
  editCol_ = Col();
  editRow_ = Row();
  editOriginal_ = Cell(editCol_, editRow_);
  const bool digits = EditMask && EditMask(editCol_) == L"00";
  const LONG_PTR style = GetWindowLongPtrW(editor_, GWL_STYLE);
  SetWindowLongPtrW(editor_, GWL_STYLE, digits ? (style | ES_NUMBER) : (style & ~ES_NUMBER));
  SendMessageW(editor_, EM_SETLIMITTEXT, digits ? 2 : 0, 0);
  // Sized to the cell before the text goes in, so that it scrolls for this cell.
  PositionEditor();
  placing_ = true;
  SetWindowTextW(editor_, editOriginal_.c_str());
  placing_ = false;
  SendMessageW(editor_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(editor_, EM_SETSEL, 0, -1);
}

// Over the cell while it is on view. Once the grid has had the focus the
// editor stays, also when the focus moves on, as an always-shown editor does.
void StringGrid::PositionEditor() {
  if (editor_ == nullptr || editCol_ < 0) return;
  const RECT cell = CellRect(editCol_, editRow_);
  RECT client;
  GetClientRect(hwnd(), &client);
  const bool onView = editRow_ >= TopRow() && cell.top < client.bottom;
  SetWindowPos(editor_, HWND_TOP, cell.left, cell.top, cell.right - cell.left,
               cell.bottom - cell.top, SWP_NOACTIVATE | (onView ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void StringGrid::EditorChanged() {
  if (placing_ || editCol_ < 0) return;
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(editor_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(editor_, text.data(), static_cast<int>(text.size()))));
  cells_[static_cast<size_t>(editRow_)][static_cast<size_t>(editCol_)] = text;
  if (OnSetEditText) OnSetEditText(editCol_, editRow_, text);
}

bool StringGrid::TabTarget(int* col, int* row) const {
  return tabs_ && TabCell(GetKeyState(VK_SHIFT) < 0, col, row);
}

// The grid's keys move the current cell, left and right only from the ends
// of the text; Escape puts back what the cell held. Tab moves on as the
// arrow keys do, the cell it leaves being checked.
bool StringGrid::OnEditorKey(WPARAM key) {
  if (key == VK_ESCAPE) {
    RevertEditor();
    return true;
  }
  if (int col, row; key == VK_TAB && TabTarget(&col, &row)) {
    if (MoveCurrent(col, row)) Click();
    return true;
  }
  if (key == VK_LEFT || key == VK_RIGHT) {
    DWORD start = 0, end = 0;
    SendMessageW(editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const DWORD edge = key == VK_LEFT ? 0 : static_cast<DWORD>(GetWindowTextLengthW(editor_));
    if (start != edge || end != edge) return false;
  }
  return OnKeyDown(key);
}

LRESULT CALLBACK StringGrid::EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR selfParam) {
  auto* self = reinterpret_cast<StringGrid*>(selfParam);
  switch (message) {
    case WM_GETDLGCODE: {
      // Tab stays in the grid but from its last cell (Shift+Tab its first).
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool tab = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_TAB;
      int col, row;
      const LRESULT code = DefSubclassProc(editor, message, wParam, lParam) | DLGC_WANTARROWS;
      return tab && self->TabTarget(&col, &row) ? code | DLGC_WANTTAB : code;
    }
    case WM_KEYDOWN:
      if (self->OnEditorKey(wParam)) return 0;
      break;
    case WM_CHAR:
      if (wParam == VK_ESCAPE || wParam == VK_RETURN || wParam == VK_TAB) return 0;  // no beep
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(editor, EditorProc, kEditorSubclass);
      break;
  }
  return DefSubclassProc(editor, message, wParam, lParam);
}

LRESULT StringGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      if (editor_ != nullptr) {
        if (editCol_ != Col() || editRow_ != Row()) PlaceEditor();
        SetFocus(editor_);
        PositionEditor();
        return 0;
      }
      break;
    case WM_DPICHANGED_AFTERPARENT:
      ScaleCells();
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == editor_ && HIWORD(wParam) == EN_CHANGE) {
        EditorChanged();
        return 0;
      }
      break;
  }
  return Grid::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik::ui
