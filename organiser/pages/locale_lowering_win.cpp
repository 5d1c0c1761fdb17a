#include "organiser/pages/locale_lowering_win.h"

#include <windows.h>

#include "base/wide_text_win.h"

namespace tovik {
namespace {

// Code pages of more than one byte a character: whole texts through the
// system, where a byte table cannot tell lead from trail bytes.
class WideLowering : public TextLowering {
 public:
  std::string Lower(std::string_view text) const override {
    return WideToAnsi(LowerCase(AnsiToWide(text)));
  }
};

// Each byte's character lowered by the system; a byte whose lowered
// character has no byte of its own stays as it is.
std::array<unsigned char, 256> LocaleTable() {
  std::array<unsigned char, 256> table = AsciiLowerTable();
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    wchar_t upper = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &upper, 1) != 1) continue;
    const wchar_t wide = LowerCase(std::wstring(1, upper))[0];
    char lowered = 0;
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, &wide, 1, &lowered, 1, nullptr, &lossy) == 1 && !lossy) {
      table[b] = static_cast<unsigned char>(lowered);
    }
  }
  return table;
}

}  // namespace

std::unique_ptr<TextLowering> UserLocaleLowering() {
  CPINFO info{};
  if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1) return std::make_unique<WideLowering>();
  return std::make_unique<ByteTableLowering>(LocaleTable());
}

}  // namespace tovik
