// SPDX-License-Identifier: MIT
#include "core/name_familiarity.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/historical_names.h"

namespace quendrel {
namespace {

constexpr int kCommonestTenth = 5342;
constexpr int kCommonerHalf = 6777;
// What a name costs more where its web count is mostly a common word's, or a historical person's.
constexpr int kOthersCost = 3000;

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

// A row found without reading the text: the rows are read once into this index, 8 bytes each,
// so that a lookup compares texts only, a few hundred thousand times in a load.
struct Entry {
  std::uint8_t block;
  std::uint16_t offset;
  std::uint8_t written, reading;
  std::uint16_t cost;
};

std::vector<Entry> ReadIndex() {
  std::vector<Entry> index;
  const auto blocks = FamiliarityBlocks();
  for (std::size_t block = 0; block < blocks.size(); ++block) {
    for (std::size_t start = 0; start < blocks[block].size();) {
      const Row row = FirstRow(blocks[block].substr(start));
      int cost = 0;
      std::from_chars(row.cost.data(), row.cost.data() + row.cost.size(), cost);
      index.push_back({static_cast<std::uint8_t>(block), static_cast<std::uint16_t>(start),
                       static_cast<std::uint8_t>(row.key.first.size()),
                       static_cast<std::uint8_t>(row.key.second.size()),
                       static_cast<std::uint16_t>(cost)});
      start += row.length;
    }
  }
  return index;
}

const std::vector<Entry>& Index() {
  static const std::vector<Entry> index = ReadIndex();
  return index;
}

}  // namespace

std::optional<int> FamiliarityCost(std::string_view written, std::string_view kana) {
  const Key key{written, kana};
  const auto blocks = FamiliarityBlocks();
  const std::vector<Entry>& index = Index();
  const auto keyOf = [&blocks](const Entry& entry) {
    const std::string_view block = blocks[entry.block];
    return Key{block.substr(entry.offset, entry.written),
               block.substr(entry.offset + entry.written + 1U, entry.reading)};
  };
  const auto found = std::ranges::lower_bound(index, key, {}, keyOf);
  if (found == index.end() || keyOf(*found) != key) {
    return std::nullopt;
  }
  const auto historical = std::ranges::lower_bound(
      HistoricalNames(), key, {}, [](const HistoricalName& n) { return Key{n.written, n.kana}; });
  const bool onlyHistorical = historical != HistoricalNames().end() &&
                              historical->written == written && historical->kana == kana;
  return found->cost + (onlyHistorical ? kOthersCost : 0);
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
