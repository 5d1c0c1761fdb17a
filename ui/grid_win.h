#pragma once
#include <windows.h>

#include <functional>

#include "ui/window_win.h"

namespace tovik::ui {

// The general grid control: equal cells in columns and rows, fixed header rows
// at the top, grid lines after every cell, and a current cell that the mouse
// and the arrow keys move. A derived control registers its own class name,
// paints the cell contents in DrawCell and decides in CanSelectCell which
// cells may become current.
class Grid : public Window {
 public:
  struct Shape {
    int Columns = 1;
    int Rows = 1;
    int FixedRows = 0;
    int GridLineWidth = 1;
  };

  int Columns() const { return shape_.Columns; }
  int Rows() const { return shape_.Rows; }
  int Col() const { return col_; }
  int Row() const { return row_; }
  int GridLineWidth() const { return shape_.GridLineWidth; }
  void SetGridLineWidth(int width);
  int DefaultColWidth() const { return colWidth_; }
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultCellSize(int width, int height);
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  // The font of the cells; the caller keeps it alive.
  void SetFont(HFONT font);
  HFONT Font() const { return font_; }

  RECT CellRect(int col, int row) const;
  // The cell under a client point; false outside every cell.
  bool CellAt(POINT point, int* col, int* row) const;

  // Moves the current cell when CanSelectCell agrees; raises no click.
  bool MoveCurrent(int col, int row);

  // Paints the whole client area, as WM_PAINT and WM_PRINTCLIENT do.
  void PaintTo(HDC dc);

  // Raised for a click on a cell that may become current and for every move
  // of the current cell by the keyboard.
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;

 protected:
  explicit Grid(const Shape& shape) : shape_(shape) {}
  // Creates the window: a visible child that takes the focus, with double clicks.
  void CreateGrid(const WindowArgs& args);

  virtual bool CanSelectCell(int col, int row);
  // Called after the cell's background is filled and the font, the default
  // text colour and a transparent background mode are set.
  virtual void DrawCell(HDC dc, int col, int row, const RECT& rect);
  virtual void Click();
  virtual void OnSize(int width, int height);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void OnMouseDown(POINT point, bool doubleClick);
  bool OnKeyDown(WPARAM key);
  void Choose(int col, int row);

  Shape shape_;
  int colWidth_ = 24;
  int rowHeight_ = 12;
  int col_ = 0;
  int row_ = 0;
  COLORREF color_ = GetSysColor(COLOR_WINDOW);
  HFONT font_ = nullptr;
};

}  // namespace tovik::ui
