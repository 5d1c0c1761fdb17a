#include "ui/window_win.h"

#include <stdexcept>
#include <utility>

#include "ui/dpi_win.h"
#include "ui/unhandled_error_win.h"

namespace tovik::ui {

namespace {

void RegisterOnce(const wchar_t* className, UINT classStyle, WNDPROC proc) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassExW failed");
}

}  // namespace

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
  }
}

void Window::CreateOwnWindow(const WindowArgs& args) {
  RegisterOnce(args.className, args.classStyle, &Window::WindowProc);
  name_ = args.name;
  const HMENU menuOrId =
      (args.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)) : args.menu;
  const RECT& b = args.bounds;
  Created(CreateWindowExW(args.exStyle, args.className, args.text, args.style, b.left, b.top,
                          b.right - b.left, b.bottom - b.top, args.parent, menuOrId,
                          GetModuleHandleW(nullptr), this));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The object arrives with WM_NCCREATE; messages before it (WM_GETMINMAXINFO)
// and after WM_NCDESTROY have no object and take the default handling.
// Exceptions must not unwind through Windows' own frames.
LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    HandleUnhandledError(self->name_);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

RECT CentredWindowRect(int clientWidth, int clientHeight, DWORD style) {
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, style, TRUE, 0);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return Bounds(left, top, width, height);
}

void FitClientHeight(HWND window, int clientHeight) {
  RECT client;
  GetClientRect(window, &client);
  const int missing = clientHeight - client.bottom;
  if (missing == 0) return;
  RECT frame;
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON ProgramIcon() {
  return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
}

bool IsOwnProcessWindow(HWND window) {
  if (window == nullptr) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

HWND Created(HWND window) {
  if (window == nullptr) throw std::runtime_error("CreateWindowExW failed");
  return window;
}

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                 const RECT& designed, int id, DWORD exStyle, HFONT font) {
  const RECT bounds = Scaled(designed);
  const HWND control = Created(CreateWindowExW(
      exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top,
      bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr));
  if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT Window::EraseBackground(WPARAM dc, HBRUSH brush) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(reinterpret_cast<HDC>(dc), &client, brush);
  return 1;
}

}  // namespace tovik::ui
