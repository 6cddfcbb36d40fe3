// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/name_shape.h"

namespace quendrel {

// The 39 bracket lines beside the name strip, under their element names; 28, 29, 34, 35, 36 and
// 41 were never drawn. This is the one list of them: the enumeration below, the window's line
// elements and their layout are all made from it, in this order, which is also the order the
// stroke calculation hides them in. LINE(name) is applied to each.
// clang-format off
#define QUENDREL_DIAGRAM_LINES(LINE)                                                             \
  LINE(Line1)  LINE(Line2)  LINE(Line3)  LINE(Line4)  LINE(Line5)  LINE(Line6)  LINE(Line7)      \
  LINE(Line8)  LINE(Line9)  LINE(Line10) LINE(Line11) LINE(Line12) LINE(Line13) LINE(Line14)     \
  LINE(Line15) LINE(Line16) LINE(Line17) LINE(Line18) LINE(Line19) LINE(Line20) LINE(Line21)     \
  LINE(Line22) LINE(Line23) LINE(Line24) LINE(Line25) LINE(Line26) LINE(Line27)                  \
  LINE(Line30) LINE(Line31) LINE(Line32) LINE(Line33)                                            \
  LINE(Line37) LINE(Line38) LINE(Line39) LINE(Line40)                                            \
  LINE(Line42) LINE(Line43) LINE(Line44) LINE(Line45)
// clang-format on

#define QUENDREL_DIAGRAM_LINE_ENUMERATOR(name) name,
enum class DiagramLine : std::uint8_t { QUENDREL_DIAGRAM_LINES(QUENDREL_DIAGRAM_LINE_ENUMERATOR) };
#undef QUENDREL_DIAGRAM_LINE_ENUMERATOR

#define QUENDREL_DIAGRAM_LINE_VALUE(name) DiagramLine::name,
inline constexpr std::array kAllDiagramLines = {
    QUENDREL_DIAGRAM_LINES(QUENDREL_DIAGRAM_LINE_VALUE)};
#undef QUENDREL_DIAGRAM_LINE_VALUE
static_assert(kAllDiagramLines.size() == 39);

// The lines that draw the brackets of a shape; nine shapes share five sets.
std::span<const DiagramLine> DiagramLinesFor(NameShape shape);

}  // namespace quendrel
