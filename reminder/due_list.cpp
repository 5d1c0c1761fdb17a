#include "reminder/due_list.h"

#include <cstddef>
#include <utility>

namespace tovik {

// An iterative quicksort with the middle element as pivot. It is not stable,
// and the order it leaves events of one date in is what users have always
// seen, so the partitioning must stay exactly like this.
void SortDueList(std::vector<DueEntry>& list) {
  if (list.size() < 2) return;
  struct Range {
    long lo, hi;
  };
  std::vector<Range> pending{{0, static_cast<long>(list.size()) - 1}};
  auto key = [&list](long at) { return list[static_cast<size_t>(at)].Key; };
  while (!pending.empty()) {
    auto [lo, hi] = pending.back();
    pending.pop_back();
    do {
      const int32_t pivot = key((lo + hi) / 2);
      long i = lo;
      long j = hi;
      do {
        while (key(i) < pivot) ++i;
        while (key(j) > pivot) --j;
        if (i <= j) {
          std::swap(list[static_cast<size_t>(i)], list[static_cast<size_t>(j)]);
          ++i;
          --j;
        }
      } while (i <= j);
      if (i < hi) pending.push_back({i, hi});
      hi = j;
    } while (lo < hi);
  }
}

}  // namespace tovik
