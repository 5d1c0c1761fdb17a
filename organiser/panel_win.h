#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/colors_win.h"
#include "ui/gdi_win.h"
#include "ui/window_win.h"

namespace tovik {

// A plain panel: a child window filled with a colour value (RGB or a system
// colour), whose labels take the font colour. It passes the notifications of
// its controls on to its parent, so the frame's one OnCommand sees them all.
class Panel : public ui::Window {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    RECT bounds{};
    int32_t color = ui::SystemColor(COLOR_BTNFACE);
    int32_t fontColor = ui::SystemColor(COLOR_WINDOWTEXT);
    HFONT font = nullptr;  // the parent's font when null
  };
  struct LabelArgs {
    const wchar_t* text = L"";
    RECT bounds{};
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
  // A control of any class on the panel, in the panel's font.
  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds,
                  int id, DWORD exStyle = 0);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool IsLabel(HWND control) const;
  bool IsLink(HWND control) const;

  int32_t color_;
  int32_t fontColor_;
  ui::SolidBrush brush_;
  HFONT font_ = nullptr;
  std::vector<HWND> labels_;
  std::vector<HWND> links_;
};

// Left, top, width and height as the designs give them.
constexpr RECT Bounds(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

}  // namespace tovik
