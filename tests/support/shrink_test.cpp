// SPDX-License-Identifier: MIT
#include "tests/support/shrink.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace quendrel::test {
namespace {

using namespace std::chrono_literals;

bool Contains(const std::vector<int>& steps, int step) {
  return std::ranges::find(steps, step) != steps.end();
}

TEST(ShrinkTest, KeepsOnlyTheStepsTheFailureNeedsInTheirOrder) {
  struct Case {
    const char* what;
    std::function<bool(const std::vector<int>&)> fails;
    std::vector<int> shortest;
  };
  const Case cases[] = {
      {"one step", [](const auto& s) { return Contains(s, 7); }, {7}},
      {"two apart", [](const auto& s) { return Contains(s, 3) && Contains(s, 90); }, {3, 90}},
      {"an order",
       [](const auto& s) {
         const auto a = std::ranges::find(s, 10);
         return a != s.end() && std::find(a, s.end(), 4) != s.end();
       },
       {10, 4}},
  };
  std::vector<int> steps(100);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i] = static_cast<int>(i);
  }
  steps[95] = 4;  // a 4 after the 10, so that the order case can fail
  for (const Case& c : cases) {
    EXPECT_EQ(Shrink<int>(steps, c.fails, 10s), c.shortest) << c.what;
  }
}

TEST(ShrinkTest, StopsWhenTheTimeIsUp) {
  const std::vector<int> steps = {1, 2, 3, 4};
  EXPECT_EQ(Shrink<int>(steps, [](const auto&) { return true; }, 0s), steps);
}

}  // namespace
}  // namespace quendrel::test
