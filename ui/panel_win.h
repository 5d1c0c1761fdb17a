#pragma once
#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/colors_win.h"
#include "ui/gdi_win.h"
#include "ui/window_win.h"

namespace tovik::ui {

// Who handles what the controls on a panel report: a page takes the commands
// and notifications of its own controls.
class ControlEvents {
 public:
  // A control's WM_COMMAND; true when it was handled.
  virtual bool OnControlCommand(HWND control, int id, int code) = 0;
  // A control's WM_NOTIFY; true when it was handled, with the answer in *result.
  virtual bool OnControlNotify(const NMHDR& header, LRESULT* result) = 0;

 protected:
  ~ControlEvents() = default;
};

// A plain panel: a child window filled with a colour value (RGB or a system
// colour), whose labels take the font colour. What its controls report goes
// to its ControlEvents, or else on to its parent.
class Panel : public Window {
 public:
  struct CreateArgs {
    std::string_view name = {};  // "pnlTop", "psEvents"
    HWND parent = nullptr;
    RECT bounds{};  // in the screen's pixels
    int32_t color = SystemColor(COLOR_BTNFACE);
    int32_t fontColor = SystemColor(COLOR_WINDOWTEXT);
    HFONT font = nullptr;  // the parent's font when null
    ControlEvents* events = nullptr;
  };
  struct LabelArgs {
    const wchar_t* text = L"";
    RECT bounds{};          // as designed
    DWORD style = SS_LEFT;  // SS_CENTER, SS_RIGHT, SS_ICON ...
    HFONT font = nullptr;   // the panel's font when null
    int id = 0;
    bool link = false;  // a hand cursor over it, and clicks reach the parent
  };

  explicit Panel(const CreateArgs& args);

  int32_t Color() const { return color_; }
  int32_t FontColor() const { return fontColor_; }
  void SetColors(int32_t color, int32_t fontColor);

  // A label on the panel, painted in the font colour on the panel's colour.
  HWND AddLabel(const LabelArgs& args);
  // A control of any class on the panel, in the panel's font, at its
  // designed place scaled to the layout DPI.
  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds,
                  int id, DWORD exStyle = 0);
  // A small picture of a magnifying glass on the panel's colour; its click
  // is reported as STN_CLICKED.
  HWND AddSearchPicture(const RECT& bounds, int id);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool IsLabel(HWND control) const;
  bool IsLink(HWND control) const;
  void DrawSearchPicture(const DRAWITEMSTRUCT& item) const;
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  int32_t color_;
  int32_t fontColor_;
  SolidBrush brush_;
  HFONT font_ = nullptr;
  ControlEvents* events_;
  std::vector<HWND> labels_;
  std::vector<HWND> links_;
  std::vector<HWND> searchPictures_;
};

}  // namespace tovik::ui
