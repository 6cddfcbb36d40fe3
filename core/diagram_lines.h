// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/name_shape.h"

namespace quendrel {

// The bracket lines beside the name strip, by their element numbers; 28, 29, 34, 35, 36 and 41
// were never drawn.
// NOLINTNEXTLINE(readability-enum-initial-value): the values are the element numbers, gaps and all
enum class DiagramLine : std::uint8_t {
  // clang-format off
  Line1 = 1, Line2, Line3, Line4, Line5, Line6, Line7, Line8, Line9, Line10,
  Line11, Line12, Line13, Line14, Line15, Line16, Line17, Line18, Line19, Line20,
  Line21, Line22, Line23, Line24, Line25, Line26, Line27,
  Line30 = 30, Line31, Line32, Line33,
  Line37 = 37, Line38, Line39, Line40,
  Line42 = 42, Line43, Line44, Line45,
  // clang-format on
};

// All 39 lines in the order the stroke calculation hides them.
inline constexpr std::array<DiagramLine, 39> kAllDiagramLines = {
    DiagramLine::Line1,  DiagramLine::Line2,  DiagramLine::Line3,  DiagramLine::Line4,
    DiagramLine::Line5,  DiagramLine::Line6,  DiagramLine::Line7,  DiagramLine::Line8,
    DiagramLine::Line9,  DiagramLine::Line10, DiagramLine::Line11, DiagramLine::Line12,
    DiagramLine::Line13, DiagramLine::Line14, DiagramLine::Line15, DiagramLine::Line16,
    DiagramLine::Line17, DiagramLine::Line18, DiagramLine::Line19, DiagramLine::Line20,
    DiagramLine::Line21, DiagramLine::Line22, DiagramLine::Line23, DiagramLine::Line24,
    DiagramLine::Line25, DiagramLine::Line26, DiagramLine::Line27, DiagramLine::Line30,
    DiagramLine::Line31, DiagramLine::Line32, DiagramLine::Line33, DiagramLine::Line37,
    DiagramLine::Line38, DiagramLine::Line39, DiagramLine::Line40, DiagramLine::Line42,
    DiagramLine::Line43, DiagramLine::Line44, DiagramLine::Line45,
};

// The lines that draw the brackets of a shape; nine shapes share five sets.
std::span<const DiagramLine> DiagramLinesFor(NameShape shape);

}  // namespace quendrel
