// Leaving the events grid with 300 events, from the focus change to the
// refilled and repainted grid with the save included, against saving the
// same store's sections alone. A focus change between two plain boxes is
// timed too: it is what any leaving costs before the grid's own work.
// Prints the medians and the ratios.
// Usage: events_grid_bench [RUNS], in a program folder of its own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "organiser/frame/TovikMain_win.h"
#include "store/organiser_store.h"
#include "tests/bench/win_bench_support.h"
#include "tests/unit/data_file_builder.h"

namespace {

using tovik::bench::Median;
using tovik::bench::Pump;

// Three hundred events with texts of the length people give them.
void WriteDataFile() {
  tovik::testing::DataFileBuilder file(0x00A2);
  file.U16(0).U16(300);
  for (int i = 0; i < 300; ++i) {
    file.Event(static_cast<uint8_t>(1 + (i * 7) % 14), static_cast<uint8_t>(1 + i % 7),
               "Birthday of somebody who matters, with a present to buy");
  }
  std::ofstream("Tovik.dat", std::ios::binary) << file.U16(8).EmptyNotes(8).bytes();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 100;
  WriteDataFile();
  tovik::TTovikMain::Seams seams;
  seams.beep = [] {};
  const auto main = tovik::TTovikMain::Start(std::move(seams), SW_SHOW);
  if (!main) return 1;
  main->SelectPage(tovik::TTovikMain::kEventsPage);
  Pump();
  tovik::EventsPage& page = main->Events();
  const HWND grid = page.Grid().hwnd();
  const HWND plain = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 200, 281, 50, 19,
                                     page.Panel().hwnd(), nullptr, nullptr, nullptr);
  std::vector<double> leaving, writingBack, saving, focusing;
  const auto time = [](std::vector<double>& times, const auto& work) {
    tovik::bench::Timed(times, work);
  };
  for (int i = 0; i < runs; ++i) {
    SetFocus(grid);
    Pump();
    time(leaving, [&] {
      SetFocus(page.SearchBox());
      UpdateWindow(grid);
    });
    SetFocus(grid);
    Pump();
    // The same write-back without the focus change around it.
    time(writingBack, [&] {
      main->Focus().CommitActiveControl();
      UpdateWindow(grid);
    });
    time(saving, [&] {
      main->Store().DataModified = true;
      main->SaveChanges();
    });
    SetFocus(page.SearchBox());
    Pump();
    time(focusing, [&] { SetFocus(plain); });
  }
  const double leave = Median(leaving), save = Median(saving);
  std::printf("saving the sections alone       %8.3f ms\n", save);
  std::printf("leaving the grid                %8.3f ms   ratio %.2f\n", leave, leave / save);
  std::printf("its write-back, no focus change %8.3f ms   ratio %.2f\n", Median(writingBack),
              Median(writingBack) / save);
  std::printf("a focus change between boxes    %8.3f ms\n", Median(focusing));
  return 0;
}
