// Times programs from their start to their first visible top-level window,
// each run after the other in turn, all under the one Wine server that runs
// this probe. Prints each program's median in milliseconds.
// Usage: startup_probe RUNS PROGRAM...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD process;
  bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || !IsWindowVisible(window)) return TRUE;
  if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return TRUE;
  search->found = true;
  return FALSE;
}

// Milliseconds from the start of the program to its first shown window; a
// negative value when none came within a minute.
double TimeToWindow(std::wstring command) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  double ms = -1;
  for (;;) {
    Search search{process.dwProcessId, false};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    const double elapsed =
        static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
    if (search.found) {
      ms = elapsed;
      break;
    }
    if (elapsed > 60000 || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  // Gone before the next start, so that no program meets an earlier copy of itself.
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_probe RUNS PROGRAM...\n", stderr);
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  std::vector<std::vector<double>> times(static_cast<size_t>(argc - 2));
  for (int run = 0; run < runs; ++run) {
    for (int p = 2; p < argc; ++p) {
      const double ms = TimeToWindow(argv[p]);
      if (ms < 0) {
        std::fwprintf(stderr, L"%ls showed no window\n", argv[p]);
        return 1;
      }
      times[static_cast<size_t>(p - 2)].push_back(ms);
    }
  }
  for (int p = 2; p < argc; ++p) {
    std::vector<double>& t = times[static_cast<size_t>(p - 2)];
    std::sort(t.begin(), t.end());
    std::wprintf(L"%ls %.1f\n", argv[p], t[t.size() / 2]);
  }
  return 0;
}
