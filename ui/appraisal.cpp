// SPDX-License-Identifier: MIT
#include "ui/appraisal.h"

#include <array>
#include <cstddef>

namespace quendrel {
namespace {

using enum ElementId;

// Rows: 急上昇, 上昇, 現状維持, 下降, 急下降. Columns: 未来, 仕事, 対人. The 対人 column keeps
// the order its faces were drawn in, not that of the other two.
// clang-format off
constexpr std::array<std::array<ElementId, 3>, 5> kPictures = {{
    {Image3, Image8,  Image13},
    {Image4, Image9,  Image12},
    {Image2, Image7,  Image14},
    {Image5, Image10, Image15},
    {Image1, Image6,  Image11},
}};
// clang-format on

struct ThemeRow {
  AppraisalTheme theme;
  ElementId trendLabel;
  std::int32_t GridValues::* drivenBy;
};

constexpr std::array<ThemeRow, 3> kRows = {{
    {AppraisalTheme::Future, Label14, &GridValues::Soukaku},
    {AppraisalTheme::Work, Label16, &GridValues::Gaikaku},
    {AppraisalTheme::Relations, Label17, &GridValues::Soukaku},
}};

void Reset(MainWindowModel& window) {
  // The other rows' pictures need no hiding: only a stroke calculation changes the values, and it
  // hides every picture, so a repeated appraisal shows those same pictures again.
  for (const ElementId picture : {Image1, Image2, Image3, Image4, Image5}) {
    window.setVisible(picture, false);
  }
  for (const ElementId label : {Label14, Label16, Label17, Label21}) {
    window.setCaption(label, "");
  }
}

}  // namespace

ElementId RatingPicture(AppraisalTheme theme, FortuneTrend trend) {
  return kPictures.at(static_cast<std::size_t>(trend)).at(static_cast<std::size_t>(theme));
}

void Command2_Click(MainWindowModel& window) {
  Reset(window);
  const GridValues& grids = window.state().Grids;
  const auto personality = FindFortune(grids.Jinkaku);
  window.setCaption(Label21, personality ? personality->Remark : ApologyText());
  for (const ThemeRow& row : kRows) {
    if (const auto fortune = FindFortune(grids.*row.drivenBy)) {
      window.setVisible(RatingPicture(row.theme, fortune->Trend), true);
      window.setCaption(row.trendLabel, TrendLine(*fortune, row.theme));
    }
  }
}

}  // namespace quendrel
