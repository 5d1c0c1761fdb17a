// Reads a running program's window for the end-to-end scripts: waits until a
// window of the given class and title is visible, writes the text of the
// named controls (also those on its panels) to OUTDIR\<name>.txt (UTF-8) and some facts to
// OUTDIR\facts.txt, the text of a balloon tip that shows to OUTDIR\tip.txt, then presses
// the button given with --click. With --tip it first waits up to a minute
// for a balloon tip, so that it can be started before the keys that raise one.
// Usage: window_probe_helper CLASS TITLE OUTDIR [name=id ...] [--click id] [--tip]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "base/wide_text_win.h"

namespace {

std::string TextOf(HWND control) {
  const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return tovik::WideToUtf8(text);
}

// A control of the window with that id, also one on a panel inside it.
HWND ControlWithId(HWND window, int id) {
  if (const HWND child = GetDlgItem(window, id)) return child;
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(
      window,
      [](HWND control, LPARAM found) -> BOOL {
        auto& [wanted, match] = *reinterpret_cast<std::pair<int, HWND>*>(found);
        if (GetDlgCtrlID(control) != wanted) return TRUE;
        match = control;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// The text of a balloon tip that shows, or empty.
std::string ShownBalloon() {
  for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));) {
    if ((GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON) && IsWindowVisible(tip)) return TextOf(tip);
  }
  return {};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: window_probe_helper CLASS TITLE OUTDIR [name=id ...] [--click id]\n",
               stderr);
    return 2;
  }
  const std::wstring folder = argv[3];
  std::vector<std::pair<std::wstring, int>> controls;
  int click = 0;
  bool waitForTip = false;
  for (int i = 4; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--tip") {
      waitForTip = true;
    } else if (arg == L"--click" && i + 1 < argc) {
      click = _wtoi(argv[++i]);
    } else if (const size_t equals = arg.find(L'='); equals != std::wstring::npos) {
      controls.emplace_back(arg.substr(0, equals), _wtoi(arg.c_str() + equals + 1));
    }
  }
  HWND window = nullptr;
  for (int i = 0; i < 600; ++i) {  // up to a minute
    window = FindWindowW(argv[1], argv[2]);
    if (window != nullptr && IsWindowVisible(window)) break;
    window = nullptr;
    Sleep(100);
  }
  if (window == nullptr) {
    std::fputs("no such window is shown\n", stderr);
    return 1;
  }
  for (int i = 0; waitForTip && i < 600 && ShownBalloon().empty(); ++i) Sleep(100);
  std::string focus = "none";
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  for (const auto& [name, id] : controls) {
    const HWND control = ControlWithId(window, id);
    std::ofstream(std::filesystem::path(folder + L"\\" + name + L".txt"), std::ios::binary)
        << TextOf(control);
    if (control != nullptr && thread.hwndFocus == control) focus = tovik::WideToUtf8(name);
  }
  RECT client;
  GetClientRect(window, &client);
  std::ofstream(std::filesystem::path(folder + L"\\facts.txt"), std::ios::binary)
      << "client " << client.right << "x" << client.bottom << "\n"
      << "focus " << focus << "\n";
  if (const std::string tip = ShownBalloon(); !tip.empty()) {
    std::ofstream(std::filesystem::path(folder + L"\\tip.txt"), std::ios::binary) << tip;
  }
  if (click != 0) PostMessageW(ControlWithId(window, click), BM_CLICK, 0, 0);
  return 0;
}
