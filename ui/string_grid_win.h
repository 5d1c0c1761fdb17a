#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/grid_win.h"

namespace tovik::ui {

// A grid of texts. Its cell store may hold rows below the ones the grid
// shows: they are kept, but can be neither seen nor edited.
class StringGrid : public Grid {
 public:
  struct CreateArgs {
    std::string_view name = {};
    HWND parent = nullptr;
    RECT bounds{};
    Shape shape;
    int storedRows = 0;  // rows of the cell store; at least the shape's rows
    std::vector<int> colWidths;
    int rowHeight = 16;
    HFONT font = nullptr;
  };
  explicit StringGrid(const CreateArgs& args);

  const std::wstring& Cell(int col, int row) const;
  void SetCell(int col, int row, std::wstring text);
  int StoredRows() const { return static_cast<int>(cells_.size()); }

 protected:
  void DrawCell(HDC dc, int col, int row, const RECT& rect) override;

 private:
  std::vector<std::vector<std::wstring>> cells_;  // [row][col]
};

}  // namespace tovik::ui
