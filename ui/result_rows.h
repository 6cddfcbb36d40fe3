// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "core/fortune_catalogue.h"
#include "core/grids.h"
#include "core/name_parts.h"
#include "ui/element_id.h"

// Where each result shows: which labels and pictures belong to which grid value and theme row.
// The commands, the accessible names and the tests all read these tables.
namespace quendrel {

// The boxes that show the counts of a name's characters, the first character's first.
inline constexpr std::array<ElementId, kNameLength> kSurnameCountBoxes = {
    ElementId::Text3, ElementId::Text4, ElementId::Text5};
inline constexpr std::array<ElementId, kNameLength> kGivenCountBoxes = {
    ElementId::Text6, ElementId::Text7, ElementId::Text8};

// A grid value, the label that shows it and the label that captions it.
struct GridRow {
  std::int32_t GridValues::* value;
  ElementId valueLabel;
  ElementId caption;
};

// 天格, 人格, 地格, 外格, 総格.
inline constexpr std::array<GridRow, 5> kGridRows = {{
    {&GridValues::Tenkaku, ElementId::Label4, ElementId::Label9},
    {&GridValues::Jinkaku, ElementId::Label5, ElementId::Label10},
    {&GridValues::Chikaku, ElementId::Label6, ElementId::Label11},
    {&GridValues::Gaikaku, ElementId::Label7, ElementId::Label12},
    {&GridValues::Soukaku, ElementId::Label8, ElementId::Label13},
}};

// A theme row of the appraisal: its fixed heading, the label of its trend line, its rating
// pictures in the order of FortuneTrend, and the grid value that chooses its fortune.
struct ThemeRow {
  AppraisalTheme theme;
  ElementId heading;
  ElementId trendLabel;
  std::array<ElementId, 5> pictures;
  std::int32_t GridValues::* drivenBy;

  [[nodiscard]] constexpr ElementId picture(FortuneTrend trend) const {
    return pictures.at(static_cast<std::size_t>(trend));
  }
};

// From the top of the window down. The 対人 pictures keep the order their faces were drawn in,
// not that of the other two rows.
inline constexpr std::array<ThemeRow, 3> kThemeRows = {{
    {AppraisalTheme::Future,
     ElementId::Label18,
     ElementId::Label14,
     {ElementId::Image3, ElementId::Image4, ElementId::Image2, ElementId::Image5,
      ElementId::Image1},
     &GridValues::Soukaku},
    {AppraisalTheme::Work,
     ElementId::Label19,
     ElementId::Label16,
     {ElementId::Image8, ElementId::Image9, ElementId::Image7, ElementId::Image10,
      ElementId::Image6},
     &GridValues::Gaikaku},
    {AppraisalTheme::Relations,
     ElementId::Label20,
     ElementId::Label17,
     {ElementId::Image13, ElementId::Image12, ElementId::Image14, ElementId::Image15,
      ElementId::Image11},
     &GridValues::Soukaku},
}};

}  // namespace quendrel
