#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace tovik::ui {

// The hints of a window's controls, shown as tooltips when the mouse rests
// on them. The tooltip window is made when the window asks for it, which
// need not be before the window first shows; it takes every hint set before.
class Tooltips {
 public:
  explicit Tooltips(HWND owner) : owner_(owner) {}
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  void Set(HWND control, const std::wstring& text);
  // Makes the tooltip window, once.
  void Create();
  // The hint that the tooltip window shows for a control; empty before it is made.
  std::wstring Shown(HWND control) const;

 private:
  void Register(HWND control, const std::wstring& text) const;

  HWND owner_;
  HWND window_ = nullptr;
  std::map<HWND, std::wstring> hints_;
};

}  // namespace tovik::ui
