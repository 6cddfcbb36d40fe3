// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

namespace quendrel::test {

// Delta debugging: removes ever smaller chunks of a failing sequence while it still fails, until
// no single step can go or the time is up. Returns the shortest failing sequence found.
template <typename Step>
std::vector<Step> Shrink(std::vector<Step> steps,
                         const std::function<bool(const std::vector<Step>&)>& fails,
                         std::chrono::steady_clock::duration budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  for (std::size_t chunk = steps.size() / 2; chunk >= 1;) {
    bool removedAny = false;
    for (std::size_t start = 0; start < steps.size();) {
      if (std::chrono::steady_clock::now() > deadline) {
        return steps;
      }
      std::vector<Step> candidate(steps.begin(), steps.begin() + static_cast<long>(start));
      const std::size_t end = std::min(steps.size(), start + chunk);
      candidate.insert(candidate.end(), steps.begin() + static_cast<long>(end), steps.end());
      if (fails(candidate)) {
        steps = std::move(candidate);
        removedAny = true;
      } else {
        start += chunk;
      }
    }
    if (!removedAny) {
      chunk /= 2;
    }
  }
  return steps;
}

}  // namespace quendrel::test
