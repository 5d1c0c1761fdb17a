#include "ui/grid_win.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/dpi_win.h"
#include "ui/gdi_win.h"

namespace tovik::ui {

void Grid::CreateGrid(const WindowArgs& args) {
  row_ = shape_.FixedRows;
  WindowArgs grid = args;
  grid.classStyle |= CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  grid.style |= WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  if (shape_.VerticalScrollBar) grid.style |= WS_VSCROLL;
  grid.bounds = Scaled(args.bounds);
  CreateOwnWindow(grid);
  RECT client;
  GetClientRect(hwnd(), &client);
  OnSize(client.right, client.bottom);
  UpdateScrollBar();
}

void Grid::SetGridLineWidth(int width) {
  shape_.GridLineWidth = width < 0 ? 0 : width;
  RECT client;
  GetClientRect(hwnd(), &client);
  OnSize(client.right, client.bottom);
}

void Grid::SetDefaultCellSize(int width, int height) {
  colWidth_ = width < 0 ? 0 : width;
  rowHeight_ = height < 0 ? 0 : height;
  UpdateScrollBar();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

int Grid::ColWidth(int col) const {
  return col < static_cast<int>(colWidths_.size()) ? colWidths_[col] : colWidth_;
}

void Grid::SetColWidths(std::vector<int> widths) {
  colWidths_ = std::move(widths);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

int Grid::ColLeft(int col) const {
  int left = 0;
  for (int c = 0; c < col; ++c) left += ColWidth(c) + shape_.GridLineWidth;
  return left;
}

int Grid::VisibleRowCount() const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int pitch = rowHeight_ + shape_.GridLineWidth;
  if (pitch <= 0) return 0;
  const int room = client.bottom - shape_.FixedRows * pitch;
  return room > 0 ? room / pitch : 0;
}

// The last rows may stand at the top, with empty space below them.
int Grid::MaxTopRow() const {
  return std::max(shape_.FixedRows, shape_.Rows - 1);
}

void Grid::SetTopRow(int row) {
  row = std::clamp(row, shape_.FixedRows, MaxTopRow());
  if (row == topRow_) return;
  topRow_ = row;
  UpdateScrollBar();
  InvalidateRect(hwnd(), nullptr, FALSE);
  TopRowChanged();
}

void Grid::UpdateScrollBar() {
  if (!shape_.VerticalScrollBar || !hwnd()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = shape_.FixedRows;
  info.nMax = shape_.Rows - 1;
  info.nPage = static_cast<UINT>(std::max(1, VisibleRowCount()));
  info.nPos = topRow_;
  SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void Grid::SetColor(COLORREF color) {
  color_ = color;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Grid::SetFont(HFONT font) {
  font_ = font;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

// A scrolled-out row lies above the client area.
RECT Grid::CellRect(int col, int row) const {
  const int left = ColLeft(col);
  const int shown = row < shape_.FixedRows ? row : row - topRow_ + shape_.FixedRows;
  const int top = shown * (rowHeight_ + shape_.GridLineWidth);
  return {left, top, left + ColWidth(col), top + rowHeight_};
}

bool Grid::CellAt(POINT point, int* col, int* row) const {
  if (point.x < 0 || point.y < 0) return false;
  int c = 0;
  for (int left = 0; c < shape_.Columns; ++c) {
    left += ColWidth(c) + shape_.GridLineWidth;
    if (point.x < left) break;
  }
  const int shown = point.y / (rowHeight_ + shape_.GridLineWidth);
  const int r = shown < shape_.FixedRows ? shown : shown - shape_.FixedRows + topRow_;
  if (c >= shape_.Columns || r >= shape_.Rows) return false;
  *col = c;
  *row = r;
  return true;
}

void Grid::InvalidateCell(int col, int row) {
  RECT cell = CellRect(col, row);
  InflateRect(&cell, shape_.GridLineWidth, shape_.GridLineWidth);
  InvalidateRect(hwnd(), &cell, FALSE);
}

bool Grid::MoveCurrent(int col, int row) {
  if (col < 0 || col >= shape_.Columns || row < shape_.FixedRows || row >= shape_.Rows)
    return false;
  if (!CanSelectCell(col, row)) return false;
  const int fromCol = col_, fromRow = row_;
  if (col != col_ || row != row_) {
    InvalidateCell(col_, row_);
    col_ = col;
    row_ = row;
    InvalidateCell(col_, row_);
  }
  if (shape_.VerticalScrollBar) {
    if (row_ < topRow_) {
      SetTopRow(row_);
    } else if (const int visible = std::max(1, VisibleRowCount()); row_ >= topRow_ + visible) {
      SetTopRow(row_ - visible + 1);
    }
  }
  if (col_ != fromCol || row_ != fromRow) CurrentCellMoved(fromCol, fromRow);
  return true;
}

bool Grid::CanSelectCell(int, int) {
  return true;
}

void Grid::CurrentCellMoved(int, int) {}

void Grid::TopRowChanged() {}

void Grid::DrawCell(HDC, int, int, const RECT&) {}

void Grid::Click() {
  if (OnClick) OnClick();
}

void Grid::OnSize(int, int) {
  InvalidateRect(hwnd(), nullptr, FALSE);
}

// Grid lines and fixed cells take the button face colour, the current cell
// the selection colour, all other cells and the space past the last cell
// the grid's Color.
void Grid::PaintTo(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  const SolidBrush normal(color_);
  const SolidBrush face(GetSysColor(COLOR_BTNFACE));
  const SolidBrush highlight(GetSysColor(COLOR_HIGHLIGHT));
  FillRect(dc, &client, normal);
  const ScopedSelect font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  const bool focused = GetFocus() == hwnd();
  for (int row = 0; row < shape_.Rows; ++row) {
    if (row >= shape_.FixedRows && row < topRow_) continue;  // scrolled out
    for (int col = 0; col < shape_.Columns; ++col) {
      const RECT cell = CellRect(col, row);
      if (cell.left >= client.right || cell.top >= client.bottom) continue;
      RECT line{cell.right, cell.top, cell.right + shape_.GridLineWidth,
                cell.bottom + shape_.GridLineWidth};
      FillRect(dc, &line, face);
      line = {cell.left, cell.bottom, cell.right, cell.bottom + shape_.GridLineWidth};
      FillRect(dc, &line, face);

      const bool isFixed = row < shape_.FixedRows;
      const bool isCurrent = !isFixed && col == col_ && row == row_;
      FillRect(dc, &cell, isFixed ? face : isCurrent ? highlight : normal);
      SetTextColor(dc, GetSysColor(isFixed     ? COLOR_BTNTEXT
                                   : isCurrent ? COLOR_HIGHLIGHTTEXT
                                               : COLOR_WINDOWTEXT));
      DrawCell(dc, col, row, cell);
      if (isCurrent && focused) DrawFocusRect(dc, &cell);
    }
  }
}

// Painted off screen first so that moving the current cell does not flicker.
void Grid::OnPaint() {
  const PaintDC dc(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  const OwnedDC memory(CreateCompatibleDC(dc));
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  const ScopedSelect drawing(memory, bitmap);
  PaintTo(memory);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

void Grid::Choose(int col, int row) {
  if (MoveCurrent(col, row)) Click();
}

void Grid::OnMouseDown(POINT point, bool doubleClick) {
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  int col, row;
  if (CellAt(point, &col, &row)) Choose(col, row);
  if (doubleClick && OnDblClick) OnDblClick();
}

// The arrow keys move one cell and stop at the edges and at cells that may
// not become current; they never wrap.
bool Grid::OnKeyDown(WPARAM key) {
  int col = col_, row = row_;
  const int page = std::max(1, VisibleRowCount() - 1);
  switch (key) {
    case VK_LEFT:
      --col;
      break;
    case VK_RIGHT:
      ++col;
      break;
    case VK_UP:
      --row;
      break;
    case VK_DOWN:
      ++row;
      break;
    case VK_PRIOR:
      if (!shape_.VerticalScrollBar) return false;
      row = std::max(shape_.FixedRows, row - page);
      break;
    case VK_NEXT:
      if (!shape_.VerticalScrollBar) return false;
      row = std::min(shape_.Rows - 1, row + page);
      break;
    default:
      return false;
  }
  if (col != col_ || row != row_) {
    const int oldCol = col_, oldRow = row_;
    if (MoveCurrent(col, row) && (col_ != oldCol || row_ != oldRow)) Click();
  }
  return true;
}

bool Grid::TabCell(bool back, int* col, int* row) const {
  const int cell = row_ * shape_.Columns + col_ + (back ? -1 : 1);
  if (cell < shape_.FixedRows * shape_.Columns || cell >= shape_.Rows * shape_.Columns)
    return false;
  *col = cell % shape_.Columns;
  *row = cell / shape_.Columns;
  return true;
}

void Grid::OnVScroll(int request) {
  const int page = std::max(1, VisibleRowCount());
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(hwnd(), SB_VERT, &info);
  switch (request) {
    case SB_LINEUP:
      SetTopRow(topRow_ - 1);
      break;
    case SB_LINEDOWN:
      SetTopRow(topRow_ + 1);
      break;
    case SB_PAGEUP:
      SetTopRow(topRow_ - page);
      break;
    case SB_PAGEDOWN:
      SetTopRow(topRow_ + page);
      break;
    case SB_THUMBTRACK:  // the list follows the thumb while it is dragged
    case SB_THUMBPOSITION:
      SetTopRow(info.nTrackPos);
      break;
    case SB_TOP:
      SetTopRow(shape_.FixedRows);
      break;
    case SB_BOTTOM:
      SetTopRow(MaxTopRow());
      break;
  }
}

LRESULT Grid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (!shape_.VerticalScrollBar) break;
      SetTopRow(topRow_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      UpdateScrollBar();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnMouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik::ui
