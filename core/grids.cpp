// SPDX-License-Identifier: MIT
#include "core/grids.h"

#include <numeric>

namespace quendrel {
namespace {

std::int32_t SumOfFirst(const NameStrokes& strokes, int count) {
  return std::accumulate(strokes.begin(), strokes.begin() + count, std::int32_t{0});
}

}  // namespace

// One rule covers all nine shapes: the surname counts make 天格, the given-name counts 地格, the
// last surname count meets the first given count in 人格, and 外格 is what 総格 has beyond 人格.
GridValues ComputeGrids(NameShape shape, const NameStrokes& surname, const NameStrokes& given) {
  GridValues grids;
  grids.Tenkaku = SumOfFirst(surname, shape.surname);
  grids.Jinkaku = surname.at(static_cast<std::size_t>(shape.surname) - 1) + given[0];
  grids.Chikaku = SumOfFirst(given, shape.given);
  grids.Soukaku = grids.Tenkaku + grids.Chikaku;
  grids.Gaikaku = grids.Soukaku - grids.Jinkaku;
  return grids;
}

}  // namespace quendrel
