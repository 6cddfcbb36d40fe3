// SPDX-License-Identifier: MIT
#include "core/name_reading.h"

#include <algorithm>

#include "core/characters.h"

namespace quendrel {

NameChars SplitName(std::string_view text) {
  NameChars chars;
  std::ranges::move(FirstCharacters(text, kNameLength), chars.begin());
  return chars;
}

NameReading ReadName(const NameCounts& surname, const NameCounts& given) {
  const NameShape shape = ClassifyNameShape(surname.strokes, given.strokes);
  return {surname, given, shape, ComputeGrids(shape, surname.strokes, given.strokes)};
}

NameReading ReadName(const NameChars& surname, const NameChars& given, CountingRule rule) {
  return ReadName(CountNameStrokes(surname, rule), CountNameStrokes(given, rule));
}

std::int32_t GridValues::* ThemeGrid(AppraisalTheme theme) {
  return theme == AppraisalTheme::Work ? &GridValues::Gaikaku : &GridValues::Soukaku;
}

Appraisal Appraise(const GridValues& grids) {
  Appraisal appraisal{FindFortune(grids.Jinkaku), {}};
  for (const AppraisalTheme theme : kAppraisalThemes) {
    appraisal.themes.at(static_cast<std::size_t>(theme)) = FindFortune(grids.*ThemeGrid(theme));
  }
  return appraisal;
}

}  // namespace quendrel
