#include "ui/edit_keys_win.h"

#include <commctrl.h>

#include "ui/unhandled_error_win.h"

namespace tovik::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x7E4B;

struct EnterHandler {
  std::string name;
  std::function<void()> onEnter;
};

LRESULT CALLBACK EnterKeyProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
  auto* handler = reinterpret_cast<EnterHandler*>(data);
  switch (message) {
    case WM_GETDLGCODE:
      // The dialog keys leave Enter to the edit.
      if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
          reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTMESSAGE;
      }
      break;
    case WM_CHAR:
      if (wParam == VK_RETURN) {
        try {
          handler->onEnter();
        } catch (...) {
          HandleUnhandledError(handler->name);
        }
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EnterKeyProc, kSubclassId);
      delete handler;
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

constexpr UINT_PTR kTabSubclassId = 0x7E4C;

LRESULT CALLBACK LeaveOnTabProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    const LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_TAB) {
      return code & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    }
    return code;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, LeaveOnTabProc, kTabSubclassId);
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void LeaveOnTab(HWND edit) {
  SetWindowSubclass(edit, LeaveOnTabProc, kTabSubclassId, 0);
}

void OnEnterKey(HWND edit, std::string_view name, std::function<void()> onEnter) {
  auto* handler = new EnterHandler{std::string(name), std::move(onEnter)};
  SetWindowSubclass(edit, EnterKeyProc, kSubclassId, reinterpret_cast<DWORD_PTR>(handler));
}

}  // namespace tovik::ui
