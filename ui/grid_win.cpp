#include "ui/grid_win.h"

#include <windowsx.h>

#include "ui/gdi_win.h"

namespace tovik::ui {

void Grid::CreateGrid(const WindowArgs& args) {
  row_ = shape_.FixedRows;
  WindowArgs grid = args;
  grid.classStyle |= CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  grid.style |= WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  CreateOwnWindow(grid);
  RECT client;
  GetClientRect(hwnd(), &client);
  OnSize(client.right, client.bottom);
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
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Grid::SetColor(COLORREF color) {
  color_ = color;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Grid::SetFont(HFONT font) {
  font_ = font;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT Grid::CellRect(int col, int row) const {
  const int left = col * (colWidth_ + shape_.GridLineWidth);
  const int top = row * (rowHeight_ + shape_.GridLineWidth);
  return {left, top, left + colWidth_, top + rowHeight_};
}

bool Grid::CellAt(POINT point, int* col, int* row) const {
  if (point.x < 0 || point.y < 0) return false;
  const int c = point.x / (colWidth_ + shape_.GridLineWidth);
  const int r = point.y / (rowHeight_ + shape_.GridLineWidth);
  if (c >= shape_.Columns || r >= shape_.Rows) return false;
  *col = c;
  *row = r;
  return true;
}

bool Grid::MoveCurrent(int col, int row) {
  if (col < 0 || col >= shape_.Columns || row < shape_.FixedRows || row >= shape_.Rows)
    return false;
  if (!CanSelectCell(col, row)) return false;
  if (col != col_ || row != row_) {
    RECT old = CellRect(col_, row_);
    InflateRect(&old, shape_.GridLineWidth, shape_.GridLineWidth);
    InvalidateRect(hwnd(), &old, FALSE);
    col_ = col;
    row_ = row;
    RECT now = CellRect(col_, row_);
    InflateRect(&now, shape_.GridLineWidth, shape_.GridLineWidth);
    InvalidateRect(hwnd(), &now, FALSE);
  }
  return true;
}

bool Grid::CanSelectCell(int, int) {
  return true;
}

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
  const HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  const bool focused = GetFocus() == hwnd();
  for (int row = 0; row < shape_.Rows; ++row) {
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
  if (oldFont) SelectObject(dc, oldFont);
}

// Painted off screen first so that moving the current cell does not flicker.
void Grid::OnPaint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  const HDC memory = CreateCompatibleDC(dc);
  {
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ old = SelectObject(memory, bitmap);
    PaintTo(memory);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  EndPaint(hwnd(), &ps);
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
    default:
      return false;
  }
  if (col != col_ || row != row_) {
    const int oldCol = col_, oldRow = row_;
    if (MoveCurrent(col, row) && (col_ != oldCol || row_ != oldRow)) Click();
  }
  return true;
}

LRESULT Grid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
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
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik::ui
