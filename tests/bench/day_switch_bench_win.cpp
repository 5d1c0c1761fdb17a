// Leaving the day's note for another day, as a click on the calendar does:
// the note is committed, stored and saved, and the next day is shown. Timed
// with the data files of 100 KB, 5 MB and the largest size, against saving
// the same store's sections alone in the same run. Prints the medians and
// the ratios. Usage: day_switch_bench [RUNS], in a program folder of its own.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/day_number.h"
#include "organiser/frame/TovikMain_win.h"
#include "tests/bench/bench_data.h"
#include "tests/bench/win_bench_support.h"

int wmain(int argc, wchar_t** argv) {
  using namespace tovik;
  using bench::Median;
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
  for (const bench::BenchData& data : bench::BenchDataFiles()) {
    std::ofstream("Tovik.dat", std::ios::binary) << data.bytes;
    auto main = TTovikMain::Start({}, SW_SHOW);
    if (!main) return 1;
    bench::Pump();
    AppointmentsPage& page = main->Appointments();
    // Two days that hold text in every bench file, shown in turn.
    const int32_t days[] = {40000, 40003};
    page.Calendar().SetDateValue(days[0]);
    bench::Pump();
    std::vector<double> switching, saving;
    for (int i = 0; i < runs; ++i) {
      SetFocus(page.DayNote());
      const std::wstring typed = L"typed in run " + std::to_wstring(i);
      SendMessageW(page.DayNote(), EM_SETSEL, 0, 0);
      SendMessageW(page.DayNote(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
      bench::Timed(switching, [&] {
        page.Calendar().SetDateValue(days[(i + 1) % 2]);
        UpdateWindow(main->hwnd());
      });
      bench::Timed(saving, [&] {
        main->Store().DataModified = true;
        main->SaveChanges();
      });
    }
    const double save = Median(saving), change = Median(switching);
    std::printf("%-8s saving the sections alone %9.3f ms\n", data.name.c_str(), save);
    std::printf("%-8s leaving the note for a day %8.3f ms   ratio %.2f\n", data.name.c_str(),
                change, change / save);
    main.reset();
    bench::Pump();
  }
  return 0;
}
