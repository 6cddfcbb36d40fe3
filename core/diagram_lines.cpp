// SPDX-License-Identifier: MIT
#include "core/diagram_lines.h"

namespace quendrel {
namespace {

using enum DiagramLine;

// Each set lists its right column, then its left column, then the 総格 line.
// clang-format off

// Right brackets: 天格 over rows 1–2, 人格 over row 3, 地格 over rows 4–5; left: 外格 over 1–5.
constexpr DiagramLine kThreeByThree[] = {
    Line1, Line7, Line37, Line3, Line8, Line4, Line5, Line9, Line6,
    Line23, Line10, Line24, Line40, Line11, Line26,
    Line12, Line18, Line42, Line19, Line43, Line20, Line44, Line21, Line45, Line22, Line33,
    Line27,
};

// As 3 × 3 with the given name a row shorter: 地格 over row 4 only, 外格 over rows 1–4.
constexpr DiagramLine kThreeByTwoOrOne[] = {
    Line1, Line7, Line37, Line3, Line8, Line4, Line5, Line9, Line6,
    Line23, Line10, Line24,
    Line12, Line18, Line42, Line19, Line43, Line20, Line44, Line21, Line31,
    Line27,
};

// 天格 over row 1, 人格 over rows 2–3, 地格 over rows 4–5; 外格 over rows 1–5 with an extra tick
// level with the bottom of row 4.
constexpr DiagramLine kTwoByThree[] = {
    Line1, Line7, Line2, Line3, Line8, Line38, Line9, Line6,
    Line23, Line10, Line24, Line40, Line11, Line26,
    Line12, Line18, Line42, Line19, Line43, Line20, Line44, Line21, Line31, Line45, Line22, Line33,
    Line27,
};

// As 2 × 3 without the extra tick.
constexpr DiagramLine kOneByThree[] = {
    Line1, Line7, Line2, Line3, Line8, Line38, Line9, Line6,
    Line23, Line10, Line24, Line40, Line11, Line26,
    Line12, Line18, Line42, Line19, Line43, Line20, Line44, Line21, Line45, Line22, Line33,
    Line27,
};

// 天格 over row 1, 人格 over rows 2–3, 地格 over row 4; 外格 over rows 1–4.
constexpr DiagramLine kShort[] = {
    Line1, Line7, Line2, Line3, Line8, Line38, Line9, Line6,
    Line23, Line10, Line24,
    Line12, Line18, Line42, Line19, Line43, Line20, Line44, Line21, Line31,
    Line27,
};

// clang-format on

}  // namespace

std::span<const DiagramLine> DiagramLinesFor(NameShape shape) {
  using Lines = std::span<const DiagramLine>;
  if (shape.surname == 3) {
    return shape.given == 3 ? Lines{kThreeByThree} : Lines{kThreeByTwoOrOne};
  }
  if (shape.given == 3) {
    return shape.surname == 2 ? Lines{kTwoByThree} : Lines{kOneByThree};
  }
  return kShort;
}

}  // namespace quendrel
