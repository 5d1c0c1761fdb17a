#pragma once
#include <windows.h>

#include <utility>

namespace tovik::ui {

// A handle that the program made and frees with `Free`.
template <class Handle, class Free>
class OwnedHandle {
 public:
  explicit OwnedHandle(Handle handle = nullptr) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~OwnedHandle() {
    if (handle_) Free{}(handle_);
  }
  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }

 private:
  Handle handle_;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyIconHandle {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// A GDI object (font, brush, bitmap) that deletes itself.
template <class Handle>
using GdiObject = OwnedHandle<Handle, DeleteGdiObject>;
// An icon that the program made itself and destroys.
using OwnedIcon = OwnedHandle<HICON, DestroyIconHandle>;

struct DeleteDeviceContext {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
// A device context that the program made (a memory or printer DC).
using OwnedDC = OwnedHandle<HDC, DeleteDeviceContext>;

// An object selected into a device context while the guard lives; the one it
// replaced goes back in when the guard ends.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() {
    if (old_) SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's device context (the screen's for null), released with the guard.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() { ReleaseDC(window_, dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A window's painting between BeginPaint and EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

class SolidBrush : public GdiObject<HBRUSH> {
 public:
  explicit SolidBrush(COLORREF color) : GdiObject<HBRUSH>(CreateSolidBrush(color)) {}
};

}  // namespace tovik::ui
