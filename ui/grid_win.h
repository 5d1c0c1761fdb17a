#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/window_win.h"

namespace tovik::ui {

// The general grid control: cells in columns and rows, fixed header rows at
// the top, grid lines after every cell, and a current cell that the mouse
// and the arrow keys move. Columns take the default width unless given their
// own; with a vertical scroll bar the rows below the fixed ones scroll, and
// the list follows the thumb while it is dragged. A derived control
// registers its own class name, paints the cell contents in DrawCell and
// decides in CanSelectCell which cells may become current.
class Grid : public Window {
 public:
  struct Shape {
    int Columns = 1;
    int Rows = 1;
    int FixedRows = 0;
    int GridLineWidth = 1;
    bool VerticalScrollBar = false;
  };

  int Columns() const { return shape_.Columns; }
  int Rows() const { return shape_.Rows; }
  int FixedRows() const { return shape_.FixedRows; }
  int Col() const { return col_; }
  int Row() const { return row_; }
  int GridLineWidth() const { return shape_.GridLineWidth; }
  void SetGridLineWidth(int width);
  int DefaultColWidth() const { return colWidth_; }
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultCellSize(int width, int height);
  int ColWidth(int col) const;
  void SetColWidths(std::vector<int> widths);
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  // The font of the cells; the caller keeps it alive.
  void SetFont(HFONT font);
  HFONT Font() const { return font_; }

  // The first scrolling row on view, just below the fixed rows.
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  // How many scrolling rows fit on view, the last one whole.
  int VisibleRowCount() const;

  RECT CellRect(int col, int row) const;
  // The cell under a client point; false outside every cell.
  bool CellAt(POINT point, int* col, int* row) const;

  // Moves the current cell when CanSelectCell agrees, and scrolls it into
  // view; raises no click.
  bool MoveCurrent(int col, int row);

  // Paints the whole client area, as WM_PAINT and WM_PRINTCLIENT do.
  void PaintTo(HDC dc);

  // Raised for a click on a cell that may become current and for every move
  // of the current cell by the keyboard.
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

 protected:
  explicit Grid(const Shape& shape) : shape_(shape), topRow_(shape.FixedRows) {}
  // Creates the window at its designed place: a visible child that takes the
  // focus, with double clicks.
  void CreateGrid(const WindowArgs& args);

  virtual bool CanSelectCell(int col, int row);
  // After the current cell moved away from (fromCol, fromRow).
  virtual void CurrentCellMoved(int fromCol, int fromRow);
  // After the rows on view changed.
  virtual void TopRowChanged();
  // Called after the cell's background is filled and the font, the default
  // text colour and a transparent background mode are set.
  virtual void DrawCell(HDC dc, int col, int row, const RECT& rect);
  virtual void Click();
  virtual void OnSize(int width, int height);
  // The arrow and page keys: moves the current cell; false for other keys.
  bool OnKeyDown(WPARAM key);
  // The cell after the current one (before it, `back`), across the rows;
  // false from the last cell (the first one), where Tab leaves the grid.
  bool TabCell(bool back, int* col, int* row) const;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void OnMouseDown(POINT point, bool doubleClick);
  void OnVScroll(int request);
  void Choose(int col, int row);
  int ColLeft(int col) const;
  int MaxTopRow() const;
  void UpdateScrollBar();
  void InvalidateCell(int col, int row);

  Shape shape_;
  int colWidth_ = 24;
  int rowHeight_ = 12;
  std::vector<int> colWidths_;  // empty: every column the default width
  int col_ = 0;
  int row_ = 0;
  int topRow_;
  COLORREF color_ = GetSysColor(COLOR_WINDOW);
  HFONT font_ = nullptr;
};

}  // namespace tovik::ui
