// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/fortune_catalogue.h"
#include "core/grids.h"
#include "core/name_parts.h"
#include "ui/design/element_id.h"
#include "ui/window_state.h"

// Where each name and result shows: which boxes belong to which name, and which labels and
// pictures to which grid value and theme row. The commands, the view and the accessible names
// read these tables; the element definitions say which elements are text boxes at all.
namespace quendrel {

// A name's box, the boxes that show the counts of its characters, the first character's first,
// what a screen reader calls the name, and where the calculation keeps what it read of it.
struct NameBoxes {
  ElementId name;
  std::array<ElementId, kNameLength> counts;
  std::string_view heard;
  NameChars WindowState::* chars;
  NameStrokes WindowState::* strokes;
  NameSources WindowState::* sources;
};

// The surname's, then the given name's.
inline constexpr std::array<NameBoxes, 2> kNameBoxes = {{
    {ElementId::Text1,
     {ElementId::Text3, ElementId::Text4, ElementId::Text5},
     "姓",
     &WindowState::SurnameChars,
     &WindowState::SurnameStrokes,
     &WindowState::SurnameSources},
    {ElementId::Text2,
     {ElementId::Text6, ElementId::Text7, ElementId::Text8},
     "名",
     &WindowState::GivenChars,
     &WindowState::GivenStrokes,
     &WindowState::GivenSources},
}};

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

// A theme row of the appraisal: its fixed heading, the label of its trend line and its rating
// pictures in the order of FortuneTrend. The grid value that chooses its fortune is ThemeGrid's.
struct ThemeRow {
  AppraisalTheme theme;
  ElementId heading;
  ElementId trendLabel;
  std::array<ElementId, 5> pictures;

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
      ElementId::Image1}},
    {AppraisalTheme::Work,
     ElementId::Label19,
     ElementId::Label16,
     {ElementId::Image8, ElementId::Image9, ElementId::Image7, ElementId::Image10,
      ElementId::Image6}},
    {AppraisalTheme::Relations,
     ElementId::Label20,
     ElementId::Label17,
     {ElementId::Image13, ElementId::Image12, ElementId::Image14, ElementId::Image15,
      ElementId::Image11}},
}};

}  // namespace quendrel
