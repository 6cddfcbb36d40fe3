// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "core/name_parts.h"
#include "core/name_shape.h"

namespace quendrel {

// The five classical numbers: 天格, 人格, 地格, 外格 and 総格.
struct GridValues {
  std::int32_t Tenkaku = 0;
  std::int32_t Jinkaku = 0;
  std::int32_t Chikaku = 0;
  std::int32_t Gaikaku = 0;
  std::int32_t Soukaku = 0;

  friend bool operator==(const GridValues&, const GridValues&) = default;
};

// Counts outside the shape never take part. No constant is added in any shape, so a 1 × 1 name
// has 外格 0.
GridValues ComputeGrids(NameShape shape, const NameStrokes& surname, const NameStrokes& given);

}  // namespace quendrel
