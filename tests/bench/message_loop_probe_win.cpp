// Measures how long a running program's message loop is blocked: sends its
// window WM_NULL every 2 ms for the given seconds and times each answer.
// Prints the number of answers, the longest, how many took over 16 ms, and
// when (seconds from the start) the first ten of those came.
// Usage: message_loop_probe CLASS TITLE SECONDS
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fputs("usage: message_loop_probe CLASS TITLE SECONDS\n", stderr);
    return 2;
  }
  const HWND window = FindWindowW(argv[1], argv[2]);
  if (!window) {
    std::fputs("no such window\n", stderr);
    return 1;
  }
  LARGE_INTEGER frequency, start, sent, answered;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const double seconds = _wtof(argv[3]);
  const auto elapsed = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  };
  double longest = 0;
  int answers = 0, over = 0;
  std::string when;
  for (sent = start; elapsed(start, sent) < seconds * 1000;
       Sleep(2), QueryPerformanceCounter(&sent)) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) break;
    QueryPerformanceCounter(&answered);
    const double took = elapsed(sent, answered);
    ++answers;
    if (took > longest) longest = took;
    if (took > 16 && ++over <= 10) {
      char at[48];
      std::snprintf(at, sizeof at, " %.1fs:%.0fms", elapsed(start, sent) / 1000, took);
      when += at;
    }
  }
  std::printf("%d answers, longest %.1f ms, %d over 16 ms%s\n", answers, longest, over,
              when.c_str());
  return 0;
}
