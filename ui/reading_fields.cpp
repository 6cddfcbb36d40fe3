// SPDX-License-Identifier: MIT
#include "ui/reading_fields.h"

#include <utility>

#include "core/characters.h"
#include "core/fortune_catalogue.h"
#include "ui/result_rows.h"

namespace quendrel {

// The numbers stand first, each at its row's place; the theme rows follow.
static_assert(static_cast<std::size_t>(ReadingField::Future) == kGridRows.size() &&
              kReadingFields.size() == kGridRows.size() + kAppraisalThemes.size());

AppraisalTheme ThemeOf(ReadingField field) {
  return kAppraisalThemes.at(static_cast<std::size_t>(field) - kGridRows.size());
}

std::string_view HeaderOf(ReadingField field) {
  constexpr std::array<std::string_view, kReadingFields.size()> kHeaders = {
      "天格", "人格", "地格", "外格", "総格", "未来", "仕事", "対人"};
  return kHeaders.at(static_cast<std::size_t>(field));
}

std::string ReadingCell(const GridValues& grids, ReadingField field) {
  if (!IsTheme(field)) {
    return std::to_string(grids.*kGridRows.at(static_cast<std::size_t>(field)).value);
  }
  const auto fortune = FindFortune(grids.*ThemeGrid(ThemeOf(field)));
  if (!fortune) {
    return std::string{kNoFortune};
  }
  return std::string{fortune->FortuneName}.append(" ").append(TrendName(fortune->Trend));
}

std::string WidestReadingCell(ReadingField field) {
  if (!IsTheme(field)) {
    return "888";
  }
  std::string widest{kNoFortune};
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    std::string cell = std::string{entry.FortuneName}.append(" ").append(TrendName(entry.Trend));
    if (CountCharacters(cell) > CountCharacters(widest)) {
      widest = std::move(cell);
    }
  }
  return widest;
}

std::string ReadingCellHeard(const GridValues& grids, ReadingField field) {
  return std::string{HeaderOf(field)}.append(" ").append(ReadingCell(grids, field));
}

}  // namespace quendrel
