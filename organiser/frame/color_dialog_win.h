#pragma once
#include <windows.h>

#include <optional>

namespace tovik {

struct ColorDialogArgs {
  HWND owner = nullptr;
  COLORREF initial = 0;
  COLORREF* customColors = nullptr;  // 16 entries, kept by the caller between runs
  // Opens with the custom-colour part expanded; otherwise that part cannot
  // be expanded and only solid colours are offered.
  bool fullOpen = false;
};

// The system's colour dialog; nothing when the user cancels.
std::optional<COLORREF> RunColorDialog(const ColorDialogArgs& args);

}  // namespace tovik
