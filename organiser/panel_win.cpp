#include "organiser/panel_win.h"

#include <algorithm>

namespace tovik {

Panel::Panel(const CreateArgs& args)
    : color_(args.color), fontColor_(args.fontColor), brush_(ui::ResolveColor(args.color)) {
  font_ = args.font;
  if (!font_ && args.parent) {
    font_ = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
  }
  // Controls on it take part in the dialog keys (Tab, arrows, Enter).
  CreateOwnWindow(L"TPanel", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                  args.parent, args.bounds, 0);
}

void Panel::SetColors(int32_t color, int32_t fontColor) {
  color_ = color;
  fontColor_ = fontColor;
  brush_ = ui::SolidBrush(ui::ResolveColor(color));
  InvalidateRect(hwnd(), nullptr, TRUE);
  for (const HWND label : labels_) InvalidateRect(label, nullptr, TRUE);
}

HWND Panel::AddLabel(const LabelArgs& args) {
  DWORD style = args.style | WS_CHILD | WS_VISIBLE;
  if (args.link) style |= SS_NOTIFY;
  const HWND label = AddControl(L"STATIC", args.text, style, args.bounds, args.id);
  if (args.font) SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
  labels_.push_back(label);
  if (args.link) links_.push_back(label);
  return label;
}

HWND Panel::AddControl(const wchar_t* className, const wchar_t* text, DWORD style,
                       const RECT& bounds, int id, DWORD exStyle) {
  const HWND control = CreateWindowExW(
      exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top,
      bounds.right - bounds.left, bounds.bottom - bounds.top, hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (font_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

bool Panel::IsLabel(HWND control) const {
  return std::find(labels_.begin(), labels_.end(), control) != labels_.end();
}

bool Panel::IsLink(HWND control) const {
  return std::find(links_.begin(), links_.end(), control) != links_.end();
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return EraseBackground(wParam, brush_);
    case WM_CTLCOLORSTATIC: {
      const auto control = reinterpret_cast<HWND>(lParam);
      if (!IsLabel(control)) break;  // read-only edits keep the system's look
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ui::ResolveColor(fontColor_));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush_.get());
    }
    case WM_GETFONT:  // panels inside panels take the same font
      return reinterpret_cast<LRESULT>(font_);
    case WM_CTLCOLORBTN:  // the corners around a button
      return reinterpret_cast<LRESULT>(brush_.get());
    case WM_SETCURSOR:
      if (IsLink(reinterpret_cast<HWND>(wParam))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    // The frame handles what the controls report.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik
