#pragma once
#include <windows.h>

#include <utility>

namespace tovik::ui {

// A GDI object (font, brush, bitmap) that deletes itself.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }

 private:
  Handle handle_;
};

class SolidBrush : public GdiObject<HBRUSH> {
 public:
  explicit SolidBrush(COLORREF color) : GdiObject(CreateSolidBrush(color)) {}
};

}  // namespace tovik::ui
