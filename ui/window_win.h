#pragma once
#include <windows.h>

#include <string>

namespace tovik::ui {

// A C++ object bound to a window of its own registered class. The object
// owns the window: destroying the object destroys the window, and a window
// destroyed first (with its parent) detaches itself from the object.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window; call it from
  // the most derived constructor so that creation messages reach its handler.
  void CreateOwnWindow(const wchar_t* className, UINT classStyle, DWORD style, DWORD exStyle,
                       HWND parent, const RECT& bounds, int id);

  // Answers WM_ERASEBKGND by filling the whole client area with `brush`.
  LRESULT EraseBackground(WPARAM dc, HBRUSH brush) const;

  // Unpacks a message into a typed OnXxx call; the default is DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::string className_;  // names the sender of an error that escapes a handler
};

}  // namespace tovik::ui
