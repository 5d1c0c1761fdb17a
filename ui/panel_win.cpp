#include "ui/panel_win.h"

#include <algorithm>

namespace tovik::ui {

Panel::Panel(const CreateArgs& args)
    : color_(args.color),
      fontColor_(args.fontColor),
      brush_(ResolveColor(args.color)),
      events_(args.events) {
  font_ = args.font;
  if (!font_ && args.parent) {
    font_ = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
  }
  // Controls on it take part in the dialog keys (Tab, arrows, Enter).
  CreateOwnWindow({.className = L"TPanel",
                   .name = args.name,
                   .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .parent = args.parent,
                   .bounds = args.bounds});
}

void Panel::SetColors(int32_t color, int32_t fontColor) {
  color_ = color;
  fontColor_ = fontColor;
  brush_ = SolidBrush(ResolveColor(color));
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
                       const RECT& designed, int id, DWORD exStyle) {
  return CreateChild(hwnd(), className, text, style, designed, id, exStyle, font_);
}

HWND Panel::AddSearchPicture(const RECT& bounds, int id) {
  const HWND picture =
      AddControl(L"STATIC", L"", WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, bounds, id);
  searchPictures_.push_back(picture);
  links_.push_back(picture);
  return picture;
}

// A lens with a handle towards the lower right, in the window text colour.
void Panel::DrawSearchPicture(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  FillRect(dc, &r, brush_);
  const int size = std::min(r.right - r.left, r.bottom - r.top);
  const int lens = size * 11 / 19;
  const int left = r.left + size / 8;
  const int top = r.top + size / 8;
  const GdiObject<HPEN> rim(
      CreatePen(PS_SOLID, std::max(1, size / 10), GetSysColor(COLOR_WINDOWTEXT)));
  const GdiObject<HPEN> handle(
      CreatePen(PS_SOLID, std::max(2, size / 6), GetSysColor(COLOR_WINDOWTEXT)));
  const ScopedSelect brush(dc, GetSysColorBrush(COLOR_WINDOW));
  {
    const ScopedSelect pen(dc, rim);
    Ellipse(dc, left, top, left + lens, top + lens);
  }
  const ScopedSelect pen(dc, handle);
  const int from = left + lens - lens / 7;
  MoveToEx(dc, from, top + lens - lens / 7, nullptr);
  LineTo(dc, r.left + size - size / 8, r.top + size - size / 8);
}

bool Panel::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (events_ == nullptr) return false;
  if (message == WM_NOTIFY)
    return events_->OnControlNotify(*reinterpret_cast<NMHDR*>(lParam), result);
  return events_->OnControlCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
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
      SetTextColor(dc, ResolveColor(fontColor_));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(brush_.get());
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (std::find(searchPictures_.begin(), searchPictures_.end(), item.hwndItem) ==
          searchPictures_.end())
        break;
      DrawSearchPicture(item);
      return TRUE;
    }
    case WM_GETFONT:  // panels inside panels take the same font
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFONT:  // for the controls made after a change of scale
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_CTLCOLORBTN:  // the corners around a button
      return reinterpret_cast<LRESULT>(brush_.get());
    case WM_SETCURSOR:
      if (IsLink(reinterpret_cast<HWND>(wParam))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (Dispatch(message, wParam, lParam, &result)) return result;
      // What nobody here takes goes to the parent: the frame's buttons and
      // the controls of inner panels.
      return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    }
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace tovik::ui
