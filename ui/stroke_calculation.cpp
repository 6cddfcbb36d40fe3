// SPDX-License-Identifier: MIT
#include "ui/stroke_calculation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "core/diagram_lines.h"
#include "core/name_line.h"
#include "core/name_reading.h"
#include "ui/appraisal.h"
#include "ui/design/diagram_line_elements.h"
#include "ui/result_rows.h"

namespace quendrel {
namespace {

using enum ElementId;

void Reset(MainWindowModel& window) {
  WindowState& state = window.state();
  for (const NameBoxes& name : kNameBoxes) {
    state.*name.strokes = {};
    state.*name.sources = {};
    for (const ElementId box : name.counts) {
      window.setText(box, "");
    }
  }
  for (const ThemeRow& row : kThemeRows) {
    window.setCaption(row.trendLabel, "");
  }
  state.Grids = {};
  for (const DiagramLine line : kAllDiagramLines) {
    window.setVisible(ElementOf(line), false);
  }
  for (const ThemeRow& row : kThemeRows) {
    for (const ElementId picture : row.pictures) {
      window.setVisible(picture, false);
    }
  }
}

// A character that neither table holds keeps its count 0 and its box empty, rather than showing 0.
// The sources are set before the boxes, whose tooltips the view reads from them.
void ShowCounts(MainWindowModel& window, const NameBoxes& name, const NameCounts& counts) {
  WindowState& state = window.state();
  state.*name.strokes = counts.strokes;
  state.*name.sources = counts.sources;
  for (std::size_t k = 0; k < kNameLength; ++k) {
    if (counts.strokes.at(k) != 0) {
      window.setText(name.counts.at(k), std::to_string(counts.strokes.at(k)));
    }
  }
}

void ShowGrids(MainWindowModel& window, const GridValues& grids) {
  window.state().Grids = grids;
  for (const GridRow& row : kGridRows) {
    window.setCaption(row.valueLabel, std::to_string(grids.*row.value));
  }
}

}  // namespace

void Command1_Click(MainWindowModel& window) {
  Reset(window);
  WindowState& state = window.state();
  for (const NameBoxes& name : kNameBoxes) {
    state.*name.chars = SplitName(window.text(name.name));
  }
  const NameReading reading = ReadName(state.SurnameChars, state.GivenChars, state.Counting);
  ShowCounts(window, kNameBoxes[0], reading.surname);
  ShowCounts(window, kNameBoxes[1], reading.given);

  state.Shape = reading.shape;
  window.setCaption(Label3, ComposeNameLine(state.Shape, state.SurnameChars, state.GivenChars));
  ShowGrids(window, reading.grids);
  for (const DiagramLine line : DiagramLinesFor(state.Shape)) {
    window.setVisible(ElementOf(line), true);
  }
}

void SetCounting(MainWindowModel& window, CountingRule rule) {
  WindowState& state = window.state();
  const auto counts = [](const NameStrokes& strokes) {
    return std::ranges::any_of(strokes, [](StrokeCount s) { return s != 0; });
  };
  const bool counted = counts(state.SurnameStrokes) || counts(state.GivenStrokes);
  const bool appraised = counted && !window.text(kThemeRows.front().trendLabel).empty();
  state.Counting = rule;
  if (counted) {
    Command1_Click(window);
  }
  if (appraised) {
    Command2_Click(window);
  }
}

}  // namespace quendrel
