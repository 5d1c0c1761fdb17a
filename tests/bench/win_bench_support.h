#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

// What the in-process benchmarks of the organiser's windows share: the
// message pump between timed steps, a clock in milliseconds, the median.
namespace tovik::bench {

inline void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

inline double NowMs() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Runs `work`, adds its time to `times`, then lets the window settle.
template <class Work>
void Timed(std::vector<double>& times, const Work& work) {
  const double start = NowMs();
  work();
  times.push_back(NowMs() - start);
  Pump();
}

}  // namespace tovik::bench
