// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>

#include "core/diagram_lines.h"
#include "ui/design/element_id.h"

namespace quendrel {

// Line elements stand in the element order in the same order as kAllDiagramLines.
constexpr ElementId ElementOf(DiagramLine line) {
  const auto index = std::ranges::find(kAllDiagramLines, line) - kAllDiagramLines.begin();
  return static_cast<ElementId>(IndexOf(ElementId::Line1) + static_cast<std::size_t>(index));
}

static_assert(ElementOf(DiagramLine::Line27) == ElementId::Line27);
static_assert(ElementOf(DiagramLine::Line30) == ElementId::Line30);
static_assert(ElementOf(DiagramLine::Line45) == ElementId::Line45);

}  // namespace quendrel
