#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/grid_win.h"

namespace tovik::ui {

// A grid of texts. Its cell store may hold rows below the ones the grid
// shows: they are kept, but can be neither seen nor edited. With editing on,
// a cell editor stands over the current cell whenever the grid has the
// focus; what is typed goes into the cell at every keystroke.
class StringGrid : public Grid {
 public:
  struct CreateArgs {
    std::string_view name = {};
    HWND parent = nullptr;
    int id = 0;
    RECT bounds{};  // as designed, like the column widths and the row height
    Shape shape;
    int storedRows = 0;  // rows of the cell store; at least the shape's rows
    std::vector<int> colWidths;
    int rowHeight = 16;
    HFONT font = nullptr;
    bool editing = false;
    bool tabs = false;  // Tab and Shift+Tab in the editor move between cells
  };
  explicit StringGrid(const CreateArgs& args);

  const std::wstring& Cell(int col, int row) const;
  void SetCell(int col, int row, std::wstring text);

  // The cell editor, and whether its text changed since it came to its cell.
  HWND Editor() const { return editor_; }
  bool EditorModified() const;
  // Puts the text the editor came with back, as Escape does.
  void RevertEditor();

  // The edit mask of a column: "00" admits two digits; empty admits any text.
  std::function<std::wstring(int col)> EditMask;
  // Raised with the cell's new text at every keystroke in the editor, and
  // once more when the current cell moves away from the cell it edited.
  std::function<void(int col, int row, const std::wstring& text)> OnSetEditText;

 protected:
  void DrawCell(HDC dc, int col, int row, const RECT& rect) override;
  void CurrentCellMoved(int fromCol, int fromRow) override;
  void TopRowChanged() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self);
  bool OnEditorKey(WPARAM key);
  // Whether Tab (with Shift held, Shift+Tab) moves to another cell, and the cell.
  bool TabTarget(int* col, int* row) const;
  // Puts the editor over the current cell with that cell's text.
  void PlaceEditor();
  void PositionEditor();
  void EditorChanged();
  // The designed column widths and row height at the layout DPI, widened
  // where a heading needs it.
  void ScaleCells();
  // The width a column needs for its headings (the fixed rows' texts).
  int HeadingWidth(int col) const;

  std::vector<int> designedColWidths_;
  int designedRowHeight_;
  std::vector<std::vector<std::wstring>> cells_;  // [row][col]
  HWND editor_ = nullptr;
  int editCol_ = -1;
  int editRow_ = -1;
  std::wstring editOriginal_;  // the text the editor came to its cell with
  bool placing_ = false;       // the editor's text is being set, not typed
  bool committing_ = false;
  bool tabs_ = false;
};

}  // namespace tovik::ui
