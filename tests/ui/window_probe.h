// SPDX-License-Identifier: MIT
#pragma once

#include <set>

#include "core/diagram_lines.h"
#include "ui/design/diagram_line_elements.h"
#include "ui/main_window_model.h"

namespace quendrel::test {

inline std::set<ElementId> VisibleElements(const MainWindowModel& window, ElementKind kind) {
  std::set<ElementId> visible;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    if (DefinitionOf(id).kind == kind && window.isVisible(id)) {
      visible.insert(id);
    }
  }
  return visible;
}

inline std::set<ElementId> LineElementsOf(NameShape shape) {
  std::set<ElementId> elements;
  for (const DiagramLine line : DiagramLinesFor(shape)) {
    elements.insert(ElementOf(line));
  }
  return elements;
}

}  // namespace quendrel::test
