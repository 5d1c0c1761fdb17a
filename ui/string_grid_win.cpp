#include "ui/string_grid_win.h"

#include <algorithm>

namespace tovik::ui {

StringGrid::StringGrid(const CreateArgs& args)
    : Grid(args.shape),
      cells_(static_cast<size_t>(std::max(args.storedRows, args.shape.Rows)),
             std::vector<std::wstring>(static_cast<size_t>(args.shape.Columns))) {
  CreateGrid({.className = L"TStringGrid",
              .name = args.name,
              .exStyle = WS_EX_CLIENTEDGE,
              .parent = args.parent,
              .bounds = args.bounds});
  SetColWidths(args.colWidths);
  SetDefaultCellSize(DefaultColWidth(), args.rowHeight);
  SetFont(args.font);
}

const std::wstring& StringGrid::Cell(int col, int row) const {
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void StringGrid::SetCell(int col, int row, std::wstring text) {
  std::wstring& cell = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
  if (cell == text) return;
  cell = std::move(text);
  if (row < Rows()) {
    RECT rect = CellRect(col, row);
    InvalidateRect(hwnd(), &rect, FALSE);
  }
}

void StringGrid::DrawCell(HDC dc, int col, int row, const RECT& rect) {
  const std::wstring& text = Cell(col, row);
  RECT inner = rect;
  inner.left += 2;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace tovik::ui
