#include "ui/control_design_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
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
  const HWND control =
      panel.AddControl(ClassName(design.kind), design.text, design.style | WS_VISIBLE,
                       design.bounds, design.id, design.exStyle);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(fonts, design.font)), FALSE);
  return control;
}

HWND CreateDesigned(HWND parent, const ControlDesign& design, const ScaledFonts& fonts) {
  const RECT bounds = Scaled(design.bounds);
  const HWND control = Created(CreateWindowExW(
      design.exStyle, ClassName(design.kind), design.text, design.style | WS_CHILD | WS_VISIBLE,
      bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), GetModuleHandleW(nullptr),
      nullptr));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(fonts, design.font)), FALSE);
  return control;
}

}  // namespace tovik::ui
