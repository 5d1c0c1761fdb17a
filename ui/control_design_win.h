#pragma once
#include <windows.h>

#include <cstddef>

namespace tovik::ui {

class Panel;
class ScaledFonts;

// A window's fonts by their place among its ScaledFonts: the normal one, the
// same bold, and the heading's.
enum class FontKind : size_t { Normal, Bold, Heading };

// The system classes that the designed windows are made of.
enum class ControlClass { Label, Edit, Button, Spin };

// One control as designed, at 96 DPI; a window's design lists its controls
// in tab order. The id routes the control's commands and notifications.
struct ControlDesign {
  int id = 0;
  ControlClass kind = ControlClass::Label;
  const wchar_t* text = L"";
  DWORD style = 0;  // besides WS_CHILD | WS_VISIBLE
  RECT bounds{};
  FontKind font = FontKind::Normal;
  DWORD exStyle = 0;
};

// The control made at its designed place scaled to the layout DPI, in its
// font: on a panel, whose labels take its colours, or on any window.
HWND CreateDesigned(Panel& panel, const ControlDesign& design, const ScaledFonts& fonts);
HWND CreateDesigned(HWND parent, const ControlDesign& design, const ScaledFonts& fonts);

}  // namespace tovik::ui
