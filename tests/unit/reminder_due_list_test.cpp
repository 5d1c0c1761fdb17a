#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "reminder/due_list.h"

namespace tovik {
namespace {

std::vector<int16_t> Refs(const std::vector<DueEntry>& list) {
  std::vector<int16_t> refs;
  for (const auto& e : list) refs.push_back(e.Ref);
  return refs;
}

// The order of equal keys is what users have always seen; these orders were
// worked out by hand from the partitioning steps.
TEST(SortDueList, LeavesEqualKeysInThePartitioningOrder) {
  struct Case {
    const char* name;
    std::vector<DueEntry> list;
    std::vector<int16_t> refs;
  };
  const Case cases[] = {
      {"empty", {}, {}},
      {"one", {{50, 1}}, {1}},
      {"two equal", {{50, -1}, {50, -2}}, {-2, -1}},
      {"three equal", {{50, -1}, {50, -2}, {50, -3}}, {-3, -2, -1}},
      {"four equal", {{50, -1}, {50, -2}, {50, -3}, {50, -4}}, {-3, -4, -1, -2}},
      {"events before their date's appointment",
       {{61, 1}, {50, -1}, {50, -2}, {51, 2}},
       {-2, -1, 2, 1}},
      {"already sorted, distinct", {{10, -1}, {21, 1}, {30, -2}}, {-1, 1, -2}},
  };
  for (const auto& c : cases) {
    auto list = c.list;
    SortDueList(list);
    EXPECT_EQ(Refs(list), c.refs) << c.name;
  }
}

TEST(SortDueList, SortsAnyListAscendingAndKeepsEveryEntry) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<DueEntry> list(random() % 60);
    int16_t ref = 1;
    for (auto& e : list) e = {static_cast<int32_t>(random() % 12), ref++};
    auto sorted = list;
    SortDueList(sorted);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(),
                               [](const DueEntry& a, const DueEntry& b) { return a.Key < b.Key; }));
    auto byRef = [](const DueEntry& a, const DueEntry& b) { return a.Ref < b.Ref; };
    std::sort(sorted.begin(), sorted.end(), byRef);
    EXPECT_EQ(sorted, list);
  }
}

}  // namespace
}  // namespace tovik
