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

class SolidBrush : public GdiObject<HBRUSH> {
 public:
  explicit SolidBrush(COLORREF color) : GdiObject<HBRUSH>(CreateSolidBrush(color)) {}
};

}  // namespace tovik::ui
