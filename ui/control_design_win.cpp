#include "ui/control_design_win.h"

#include <commctrl.h>

#include "ui/fonts_win.h"
#include "ui/panel_win.h"
#include "ui/window_win.h"

namespace tovik::ui {
namespace {

const wchar_t* ClassName(ControlClass kind) {
  switch (kind) {
    case ControlClass::Label:
      return L"STATIC";
    case ControlClass::Edit:
      return L"EDIT";
    case ControlClass::Button:
      return L"BUTTON";
    case ControlClass::Spin:
      return UPDOWN_CLASSW;
  }
  return L"STATIC";
}

HFONT FontOf(const ScaledFonts& fonts, FontKind kind) {
  return fonts[static_cast<size_t>(kind)];
}

}  // namespace

HWND CreateDesigned(Panel& panel, const ControlDesign& design, const ScaledFonts& fonts) {
  if (design.kind == ControlClass::Label) {
    return panel.AddLabel({.text = design.text,
                           .bounds = design.bounds,
                           .style = design.style,
                           .font = FontOf(fonts, design.font),
                           .id = design.id});
  }
  return CreateDesigned(panel.hwnd(), design, fonts);
}

HWND CreateDesigned(HWND parent, const ControlDesign& design, const ScaledFonts& fonts) {
  return CreateChild(parent, ClassName(design.kind), design.text, design.style | WS_VISIBLE,
                     design.bounds, design.id, design.exStyle, FontOf(fonts, design.font));
}

}  // namespace tovik::ui
