#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/gdi_win.h"  // SolidBrush goes with the colours

namespace tovik::ui {

// A stored colour value: 0x00BBGGRR, or 0x80000000 plus a system colour index.
constexpr int32_t SystemColor(int index) {
  return static_cast<int32_t>(0x80000000u | index);
}
COLORREF ResolveColor(int32_t value);

}  // namespace tovik::ui
