// SPDX-License-Identifier: MIT
#include "tests/support/window_invariants.h"

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include <unicode/utf8.h>

#include "core/characters.h"
#include "core/diagram_lines.h"
#include "core/fortune_catalogue.h"
#include "core/grids.h"
#include "core/name_reading.h"
#include "core/name_shape.h"
#include "core/name_strokes.h"
#include "core/stroke_lookup.h"
#include "ui/design/diagram_line_elements.h"
#include "ui/result_rows.h"

namespace quendrel::test {
namespace {

using enum ElementId;

class Report {
 public:
  void expect(bool holds, std::string_view element, std::string_view rule) {
    if (!holds) {
      violations_.push_back(std::string(element) + ": " + std::string(rule));
    }
  }
  std::vector<std::string> take() { return std::move(violations_); }

 private:
  std::vector<std::string> violations_;
};

bool IsValidUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::int32_t>(text.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);  // NOLINT(bugprone-inc-dec-in-conditions): ICU steps i itself
    if (c < 0) {
      return false;
    }
  }
  return true;
}

void CheckTexts(const MainWindowModel& window, Report& report) {
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    report.expect(IsValidUtf8(window.text(id)), DefinitionOf(id).name, "text is not UTF-8");
  }
  for (const ElementId box : {Text1, Text2}) {
    report.expect(CountCharacters(window.text(box)) <= kNameLength, DefinitionOf(box).name,
                  "holds more than three characters");
  }
}

// The stored counts belong to the stored characters, the built-in table's wherever it holds the
// character, and the grid values to the counts.
void CheckCounts(const NameChars& chars, const NameStrokes& strokes, const NameSources& sources,
                 std::string_view name, Report& report) {
  const NameCounts counted = CountNameStrokes(chars);
  report.expect(strokes == counted.strokes && sources == counted.sources, name,
                "differ from the counts of the stored characters");
  for (std::size_t k = 0; k < kNameLength; ++k) {
    const StrokeCount builtIn = LookupStrokes(chars.at(k));
    report.expect(
        builtIn == 0 || (strokes.at(k) == builtIn && sources.at(k) == StrokeSource::BuiltIn), name,
        "overrides the built-in table");
    report.expect((strokes.at(k) == 0) == (sources.at(k) == StrokeSource::None), name,
                  "has a count without a source or a source without a count");
  }
}

void CheckState(const WindowState& state, Report& report) {
  CheckCounts(state.SurnameChars, state.SurnameStrokes, state.SurnameSources, "SurnameStrokes",
              report);
  CheckCounts(state.GivenChars, state.GivenStrokes, state.GivenSources, "GivenStrokes", report);
  const NameShape shape = ClassifyNameShape(state.SurnameStrokes, state.GivenStrokes);
  report.expect(state.Shape == shape, "Shape", "differs from the shape of the stored counts");
  report.expect(state.Grids == ComputeGrids(shape, state.SurnameStrokes, state.GivenStrokes),
                "Grids", "differ from the formulas applied to the stored counts");
}

// Which label shows which value: stated here rather than read from the commands' own table, so
// that a row swapped there shows here.
constexpr std::array<std::pair<ElementId, std::int32_t GridValues::*>, 5> kValueLabels = {{
    {Label4, &GridValues::Tenkaku},
    {Label5, &GridValues::Jinkaku},
    {Label6, &GridValues::Chikaku},
    {Label7, &GridValues::Gaikaku},
    {Label8, &GridValues::Soukaku},
}};

void CheckGridCaptions(const MainWindowModel& window, const WindowHistory& history,
                       Report& report) {
  for (const auto& [label, value] : kValueLabels) {
    const std::string expected = history.calculated ? std::to_string(window.state().Grids.*value)
                                                    : std::string(DefinitionOf(label).text);
    report.expect(window.text(label) == expected, DefinitionOf(label).name,
                  "does not show the stored grid value");
  }
}

void CheckDiagram(const MainWindowModel& window, const WindowHistory& history, Report& report) {
  std::set<ElementId> expected;
  if (history.calculated) {
    for (const DiagramLine line : DiagramLinesFor(window.state().Shape)) {
      expected.insert(ElementOf(line));
    }
  }
  for (const DiagramLine line : kAllDiagramLines) {
    const ElementId id = ElementOf(line);
    report.expect(window.isVisible(id) == expected.contains(id), DefinitionOf(id).name,
                  "visibility differs from the line set of the stored shape");
  }
}

void CheckRow(const MainWindowModel& window, const WindowHistory& history, const ThemeRow& row,
              Report& report) {
  // The row's fortune as the last appraisal found it; none before an appraisal.
  const std::optional<FortuneEntry> fortune =
      history.appraisedSinceCalculation ? FindFortune(window.state().Grids.*ThemeGrid(row.theme))
                                        : std::nullopt;
  std::string expectedTrend(DefinitionOf(row.trendLabel).text);
  if (fortune) {
    expectedTrend = TrendLine(*fortune, row.theme);
  } else if (history.calculated || history.appraisedSinceCalculation) {
    expectedTrend = "";
  }
  for (const ElementId picture : row.pictures) {
    const bool shown = fortune && row.picture(fortune->Trend) == picture;
    report.expect(window.isVisible(picture) == shown, DefinitionOf(picture).name,
                  "visibility differs from the row's fortune");
  }
  report.expect(window.text(row.trendLabel) == expectedTrend, DefinitionOf(row.trendLabel).name,
                "differs from the fortune of the stored value");
}

void CheckAppraisal(const MainWindowModel& window, const WindowHistory& history, Report& report) {
  for (const ThemeRow& row : kThemeRows) {
    CheckRow(window, history, row, report);
  }
  if (history.appraisedSinceCalculation) {
    const auto personality = FindFortune(window.state().Grids.Jinkaku);
    report.expect(window.text(Label21) == (personality ? personality->Remark : ApologyText()),
                  "Label21", "differs from the remark of the stored 人格");
  }
}

}  // namespace

std::vector<std::string> InvariantViolations(const MainWindowModel& window,
                                             const WindowHistory& history) {
  Report report;
  CheckTexts(window, report);
  CheckState(window.state(), report);
  CheckGridCaptions(window, history, report);
  CheckDiagram(window, history, report);
  CheckAppraisal(window, history, report);
  return report.take();
}

std::vector<std::string> AppraisalViolations(const MainWindowModel& window,
                                             const WindowHistory& history) {
  Report report;
  CheckAppraisal(window, history, report);
  return report.take();
}

}  // namespace quendrel::test
