// SPDX-License-Identifier: MIT
#include "core/name_familiarity.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

namespace quendrel {
namespace {

constexpr int kCommonestTenth = 5342;
constexpr int kCommonerHalf = 6777;

using Key = std::pair<std::string_view, std::string_view>;

struct Row {
  Key key;
  std::string_view cost;
  std::size_t length;  // with its newline
};

// The row that `rows` starts with; the generator writes each one whole, ending in a newline.
Row FirstRow(std::string_view rows) {
  const std::size_t reading = rows.find(' ') + 1;
  const std::size_t cost = rows.find(' ', reading) + 1;
  const std::size_t end = rows.find('\n', cost);
  return {{rows.substr(0, reading - 1), rows.substr(reading, cost - reading - 1)},
          rows.substr(cost, end - cost),
          end + 1};
}

}  // namespace

std::optional<int> FamiliarityCost(std::string_view written, std::string_view kana) {
  const Key key{written, kana};
  const auto blocks = FamiliarityBlocks();
  // The pair can only be in the last block that starts at or before it.
  const auto after = std::ranges::upper_bound(
      blocks, key, {}, [](std::string_view block) { return FirstRow(block).key; });
  if (after == blocks.begin()) {
    return std::nullopt;
  }
  // Halves the block between two row starts; a probe reads the row it falls in.
  const std::string_view rows = *std::prev(after);
  std::size_t low = 0;
  std::size_t high = rows.size();
  while (low < high) {
    const std::size_t middle = low + ((high - low) / 2);
    const std::size_t start = middle == 0 ? 0 : rows.rfind('\n', middle - 1) + 1;
    const Row row = FirstRow(rows.substr(start));
    if (row.key == key) {
      int cost = 0;
      std::from_chars(row.cost.data(), row.cost.data() + row.cost.size(), cost);
      return cost;
    }
    if (row.key < key) {
      low = start + row.length;
    } else {
      high = start;
    }
  }
  return std::nullopt;
}

int FamiliarityLevel(std::optional<int> cost) {
  if (!cost) {
    return 0;
  }
  if (*cost <= kCommonestTenth) {
    return 3;
  }
  return *cost <= kCommonerHalf ? 2 : 1;
}

}  // namespace quendrel
