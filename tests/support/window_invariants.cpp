// SPDX-License-Identifier: MIT
#include "tests/support/window_invariants.h"

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>

#include <unicode/utf8.h>

#include "core/characters.h"
#include "core/diagram_lines.h"
#include "core/fortune_catalogue.h"
#include "core/grids.h"
#include "core/name_shape.h"
#include "core/stroke_lookup.h"
#include "ui/appraisal.h"
#include "ui/diagram_line_elements.h"

namespace quendrel::test {
namespace {

using enum ElementId;

struct Row {
  AppraisalTheme theme;
  ElementId trendLabel;
  std::int32_t GridValues::* drivenBy;
  ElementId firstPicture;  // the row's five pictures are numbered on from here
};

constexpr std::array<Row, 3> kRows = {{
    {AppraisalTheme::Future, Label14, &GridValues::Soukaku, Image1},
    {AppraisalTheme::Work, Label16, &GridValues::Gaikaku, Image6},
    {AppraisalTheme::Relations, Label17, &GridValues::Soukaku, Image11},
}};

constexpr std::array<std::pair<ElementId, std::int32_t GridValues::*>, 5> kGridCaptions = {{
    {Label4, &GridValues::Tenkaku},
    {Label5, &GridValues::Jinkaku},
    {Label6, &GridValues::Chikaku},
    {Label7, &GridValues::Gaikaku},
    {Label8, &GridValues::Soukaku},
}};

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

ElementId Offset(ElementId first, std::size_t by) {
  // NOLINTNEXTLINE(clang-analyzer-optin.core.EnumCastOutOfRange): a row has five pictures
  return static_cast<ElementId>(IndexOf(first) + by);
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

// The stored counts belong to the stored characters and the grid values to the counts.
void CheckState(const WindowState& state, Report& report) {
  for (std::size_t k = 0; k < kNameLength; ++k) {
    report.expect(state.SurnameStrokes.at(k) == LookupStrokes(state.SurnameChars.at(k)),
                  "SurnameStrokes", "differs from the table's count of the stored character");
    report.expect(state.GivenStrokes.at(k) == LookupStrokes(state.GivenChars.at(k)), "GivenStrokes",
                  "differs from the table's count of the stored character");
  }
  const NameShape shape = ClassifyNameShape(state.SurnameStrokes, state.GivenStrokes);
  report.expect(state.Grids == ComputeGrids(shape, state.SurnameStrokes, state.GivenStrokes),
                "Grids", "differ from the formulas applied to the stored counts");
}

void CheckGridCaptions(const MainWindowModel& window, const WindowHistory& history,
                       Report& report) {
  for (const auto& [label, value] : kGridCaptions) {
    const std::string expected = history.calculated ? std::to_string(window.state().Grids.*value)
                                                    : std::string(DefinitionOf(label).text);
    report.expect(window.text(label) == expected, DefinitionOf(label).name,
                  "does not show the stored grid value");
  }
}

void CheckDiagram(const MainWindowModel& window, const WindowHistory& history, Report& report) {
  std::set<ElementId> expected;
  if (history.calculated) {
    const WindowState& state = window.state();
    for (const DiagramLine line :
         DiagramLinesFor(ClassifyNameShape(state.SurnameStrokes, state.GivenStrokes))) {
      expected.insert(ElementOf(line));
    }
  }
  for (const DiagramLine line : kAllDiagramLines) {
    const ElementId id = ElementOf(line);
    report.expect(window.isVisible(id) == expected.contains(id), DefinitionOf(id).name,
                  "visibility differs from the line set of the stored shape");
  }
}

void CheckRow(const MainWindowModel& window, const WindowHistory& history, const Row& row,
              Report& report) {
  // The row's fortune as the last appraisal found it; none before an appraisal.
  const std::optional<FortuneEntry> fortune = history.appraisedSinceCalculation
                                                  ? FindFortune(window.state().Grids.*row.drivenBy)
                                                  : std::nullopt;
  std::string expectedTrend(DefinitionOf(row.trendLabel).text);
  if (fortune) {
    expectedTrend = TrendLine(*fortune, row.theme);
  } else if (history.calculated || history.appraisedSinceCalculation) {
    expectedTrend = "";
  }
  for (std::size_t i = 0; i < 5; ++i) {
    const ElementId picture = Offset(row.firstPicture, i);
    const bool shown = fortune && RatingPicture(row.theme, fortune->Trend) == picture;
    report.expect(window.isVisible(picture) == shown, DefinitionOf(picture).name,
                  "visibility differs from the row's fortune");
  }
  report.expect(window.text(row.trendLabel) == expectedTrend, DefinitionOf(row.trendLabel).name,
                "differs from the fortune of the stored value");
}

void CheckAppraisal(const MainWindowModel& window, const WindowHistory& history, Report& report) {
  for (const Row& row : kRows) {
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
