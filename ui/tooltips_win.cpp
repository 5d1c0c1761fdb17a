#include "ui/tooltips_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/window_win.h"

namespace tovik::ui {

Tooltips::~Tooltips() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

void Tooltips::Set(HWND control, const std::wstring& text) {
  hints_[control] = text;
  if (window_ != nullptr) Register(control, text);
}

void Tooltips::Create() {
  if (window_ != nullptr) return;
  window_ =
      Created(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, owner_, nullptr, GetModuleHandleW(nullptr), nullptr));
  for (const auto& [control, text] : hints_) Register(control, text);
}

void Tooltips::Register(HWND control, const std::wstring& text) const {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  std::wstring copy = text;
  tool.lpszText = copy.data();
  SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring Tooltips::Shown(HWND control) const {
  if (window_ == nullptr) return {};
  wchar_t text[512] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(window_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

}  // namespace tovik::ui
