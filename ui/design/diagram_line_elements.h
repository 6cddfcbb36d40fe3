// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

#include "core/diagram_lines.h"
#include "ui/design/element_id.h"

namespace quendrel {

// The line element of each diagram line, in the order of the list of lines, as the lines'
// enumerators are.
#define QUENDREL_LINE_ELEMENT(name) ElementId::name,
inline constexpr std::array kLineElements = {QUENDREL_DIAGRAM_LINES(QUENDREL_LINE_ELEMENT)};
#undef QUENDREL_LINE_ELEMENT
static_assert(kLineElements.size() == kAllDiagramLines.size());

constexpr ElementId ElementOf(DiagramLine line) {
  return kLineElements.at(static_cast<std::size_t>(line));
}

}  // namespace quendrel
