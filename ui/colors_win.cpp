#include "ui/colors_win.h"

namespace tovik::ui {

COLORREF ResolveColor(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
  return bits & 0x00FFFFFFu;
}

}  // namespace tovik::ui
