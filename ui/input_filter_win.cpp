#include "ui/input_filter_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/gdi_win.h"
#include "ui/window_win.h"

namespace tovik::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x7E4D;
constexpr UINT_PTR kTipTimer = 0x7E4D;
constexpr UINT kTipMilliseconds = 8000;
constexpr int kTipWidth = 300;  // designed; longer lines wrap

class AnsiRule : public CharacterRule {
 public:
  bool Holds(std::wstring_view character) const override {
    if (GetACP() == CP_UTF8) return true;
    BOOL usedDefault = FALSE;
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character.data(),
                            static_cast<int>(character.size()), nullptr, 0, nullptr, &usedDefault);
    return bytes > 0 && !usedDefault;
  }
  size_t Bytes(std::wstring_view text) const override {
    if (text.empty()) return 0;
    return static_cast<size_t>(WideCharToMultiByte(
        CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr));
  }
};

struct StoredBox {
  StoredBoxArgs args;
  wchar_t highSurrogate = 0;  // the first half of a character being typed
  HWND tip = nullptr;
};

bool IsReadOnly(HWND box) {
  return (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
}

// The bytes the stored text has left for an insertion, the selection being
// replaced. Far from the limit it need not be counted: no code page takes
// more than three bytes for a UTF-16 unit, so the limit is then room enough.
size_t Room(HWND box, const StoredBox& self, size_t insertion) {
  constexpr size_t kMostBytesPerUnit = 3;
  const auto length = static_cast<size_t>(GetWindowTextLengthW(box));
  if ((length + insertion) * kMostBytesPerUnit <= self.args.maxBytes) return self.args.maxBytes;
  std::wstring text = WindowText(box);
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start < end && end <= text.size()) text.erase(start, end - start);
  const size_t used = AnsiCharacters().Bytes(text);
  return used < self.args.maxBytes ? self.args.maxBytes - used : 0;
}

TTTOOLINFOW TipTool(HWND box, wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = box;
  tool.uId = 1;
  tool.lpszText = text;
  return tool;
}

void HideTip(HWND box, StoredBox& self) {
  if (self.tip == nullptr) return;
  KillTimer(box, kTipTimer);
  TTTOOLINFOW tool = TipTool(box, nullptr);
  SendMessageW(self.tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

// The balloon points just below the caret.
void ShowTip(HWND box, StoredBox& self, std::wstring text) {
  if (text.empty()) return;
  TTTOOLINFOW tool = TipTool(box, text.data());
  if (self.tip == nullptr) {
    self.tip = Created(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, 0, 0,
                                       0, 0, box, nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(self.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(self.tip, TTM_SETMAXTIPWIDTH, 0, Scaled(kTipWidth));
  SendMessageW(self.tip, TTM_SETTITLEW, TTI_WARNING,
               reinterpret_cast<LPARAM>(self.args.tipTitle.c_str()));
  SendMessageW(self.tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  POINT caret{};
  GetCaretPos(&caret);
  TEXTMETRICW metrics{};
  {
    const WindowDC dc(box);
    const ScopedSelect font(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
  }
  caret.y += metrics.tmHeight;
  ClientToScreen(box, &caret);
  SendMessageW(self.tip, TTM_TRACKPOSITION, 0, MAKELPARAM(caret.x, caret.y));
  SendMessageW(self.tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetTimer(box, kTipTimer, kTipMilliseconds, nullptr);
}

// What the box is about to take; true when it takes it whole.
bool Admit(HWND box, StoredBox& self, std::wstring_view text, bool pasted) {
  HideTip(box, self);
  const FilteredInput input = FilterInput(text, AnsiCharacters(), Room(box, self, text.size()));
  if (input.leftOut.empty() && !input.tooLong) return true;
  if (pasted) SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(input.kept.c_str()));
  ShowTip(box, self, self.args.onRefused(input, pasted));
  return false;
}

// A typed character; a surrogate pair waits for its second half. A box of
// digits refuses the rest itself.
bool OnChar(HWND box, StoredBox& self, wchar_t unit) {
  const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
  const bool multiLine = (style & ES_MULTILINE) != 0;
  if ((style & ES_NUMBER) != 0) return true;
  if (unit < L' ' && !(multiLine && (unit == L'\r' || unit == L'\t'))) return true;
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    self.highSurrogate = unit;
    return false;
  }
  std::wstring character(1, unit);
  if (unit >= 0xDC00 && unit <= 0xDFFF && self.highSurrogate != 0) {
    character.insert(character.begin(), self.highSurrogate);
  }
  self.highSurrogate = 0;
  if (!Admit(box, self, unit == L'\r' ? L"\r\n" : character, false)) return false;
  if (character.size() == 1) return true;
  SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(character.c_str()));
  return false;
}

// The clipboard's text as the box would paste it: a one-line box takes the
// first line.
bool OnPaste(HWND box, StoredBox& self) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(box)) return true;
  std::wstring text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if ((GetWindowLongPtrW(box, GWL_STYLE) & ES_MULTILINE) == 0) {
    text = text.substr(0, text.find_first_of(L"\r\n"));
  }
  return Admit(box, self, text, true);
}

LRESULT CALLBACK StoredBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
  auto& self = *reinterpret_cast<StoredBox*>(data);
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (!IsReadOnly(box) && !OnChar(box, self, static_cast<wchar_t>(wParam))) return 0;
      break;
    case WM_PASTE:
      if (!IsReadOnly(box) && !OnPaste(box, self)) return 0;
      break;
    case WM_KEYDOWN:
    case WM_KILLFOCUS:
      HideTip(box, self);
      break;
    case WM_TIMER:
      if (wParam != kTipTimer) break;
      HideTip(box, self);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, StoredBoxProc, kSubclassId);
      if (self.tip != nullptr) DestroyWindow(self.tip);
      delete &self;
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

const CharacterRule& AnsiCharacters() {
  static const AnsiRule rule;
  return rule;
}

void KeepStorable(HWND box, StoredBoxArgs args) {
  auto* self = new StoredBox{std::move(args)};
  SetWindowSubclass(box, StoredBoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(self));
}

}  // namespace tovik::ui
