#include "organiser/frame/context_help_win.h"

namespace tovik {

bool ContextHelp::OnCommand(Command command) {
  switch (command) {
    case Command::WhatIs:
      EnterPickMode();
      return true;
    case Command::Contents:
      OpenContents();
      return true;
    case Command::HelpOnFocus:
      OpenFor(GetFocus());
      return true;
    default:
      return false;
  }
}

// The topic of the nearest window, from the control outwards, that has a help
// context; the contents of the current language when none has.
void ContextHelp::OpenFor(HWND control) {
  for (HWND w = control; w != nullptr && w != args_.window; w = GetParent(w)) {
    if (const DWORD context = GetWindowContextHelpId(w); context != 0) {
      args_.openTopic(static_cast<int>(context));
      return;
    }
  }
  OpenContents();
}

// "What Is": the cursor turns into a question mark, and the next click on a
// control opens that control's topic; Esc or a click elsewhere ends it.
void ContextHelp::EnterPickMode() {
  picking_ = true;
  SetCapture(args_.window);
  SetCursor(LoadCursorW(nullptr, IDC_HELP));
}

void ContextHelp::LeavePickMode() {
  if (!picking_) return;
  picking_ = false;
  ReleaseCapture();
}

bool ContextHelp::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_HELP:
      OpenFor(static_cast<HWND>(reinterpret_cast<HELPINFO*>(lParam)->hItemHandle));
      *result = TRUE;
      return true;
    case WM_SETCURSOR:
      if (!picking_) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HELP));
      *result = TRUE;
      return true;
    case WM_LBUTTONDOWN: {
      if (!picking_) return false;
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ClientToScreen(args_.window, &point);
      LeavePickMode();
      const HWND target = WindowFromPoint(point);
      if (GetAncestor(target, GA_ROOT) == args_.window) OpenFor(target);
      *result = 0;
      return true;
    }
    case WM_KEYDOWN:
      if (picking_ && wParam == VK_ESCAPE) LeavePickMode();
      return false;
    case WM_CAPTURECHANGED:
      picking_ = false;
      return false;
  }
  return false;
}

}  // namespace tovik
