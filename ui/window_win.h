#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tovik::ui {

// How an own window is made: its class, the component name it answers to,
// and its place.
struct WindowArgs {
  const wchar_t* className = nullptr;
  // The component's name ("cdrCalender", "pnlTop"), which names the sender
  // of an error that escapes one of its handlers.
  std::string_view name = {};
  UINT classStyle = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // the owner of a top-level window
  RECT bounds{};
  int id = 0;  // a child's identifier
  const wchar_t* text = L"";
  HMENU menu = nullptr;  // a top-level window's menu bar
};

// A C++ object bound to a window of its own registered class. The object
// owns the window: destroying the object destroys the window, and a window
// destroyed first (with its parent or owner) detaches itself from the object.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  const std::string& Name() const { return name_; }

 protected:
  // Registers the class on first use and creates the window; call it from
  // the most derived constructor so that creation messages reach its handler.
  void CreateOwnWindow(const WindowArgs& args);

  // Answers WM_ERASEBKGND by filling the whole client area with `brush`.
  LRESULT EraseBackground(WPARAM dc, HBRUSH brush) const;

  // Unpacks a message into a typed OnXxx call; the default is DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::string name_;
};

// The rectangle of a top-level window with a menu bar whose client area has
// the given size, centred on the screen.
RECT CentredWindowRect(int clientWidth, int clientHeight, DWORD style);
// A menu bar that wraps takes more than one line: the window grows so that
// its client area keeps its height.
void FitClientHeight(HWND window, int clientHeight);
// The program's own icon, the first icon of its resources.
HICON ProgramIcon();
// A window of this process (another window of the program, a message box).
bool IsOwnProcessWindow(HWND window);

// A window that CreateWindowExW made; throws when it made none, so that no
// caller goes on with a null handle.
HWND Created(HWND window);
// A child control at its designed place scaled to the layout DPI, in `font`
// unless that is null.
HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                 const RECT& designed, int id, DWORD exStyle, HFONT font);
// The whole text of a window or control.
std::wstring WindowText(HWND window);

// Left, top, width and height as the designs give them.
constexpr RECT Bounds(int left, int top, int width, int height) {
  return RECT{left, top, left + width, top + height};
}

}  // namespace tovik::ui
