// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "core/name_shape.h"
#include "ui/appraisal.h"

namespace quendrel {
namespace {

using enum ElementId;

constexpr std::array<std::pair<ElementId, std::string_view>, 8> kBoxes = {{
    {Text1, "姓"},
    {Text2, "名"},
    {Text3, "姓の1文字目の画数"},
    {Text4, "姓の2文字目の画数"},
    {Text5, "姓の3文字目の画数"},
    {Text6, "名の1文字目の画数"},
    {Text7, "名の2文字目の画数"},
    {Text8, "名の3文字目の画数"},
}};

// A shown value and the label that captions it.
constexpr std::array<std::pair<ElementId, ElementId>, 8> kCaptioned = {{
    {Label4, Label9},
    {Label5, Label10},
    {Label6, Label11},
    {Label7, Label12},
    {Label8, Label13},
    {Label14, Label18},
    {Label16, Label19},
    {Label17, Label20},
}};

constexpr std::array<std::pair<AppraisalTheme, ElementId>, 3> kThemeHeadings = {{
    {AppraisalTheme::Future, Label18},
    {AppraisalTheme::Work, Label19},
    {AppraisalTheme::Relations, Label20},
}};

// In the order of FortuneTrend.
constexpr std::array<std::string_view, 5> kTrendWords = {"急上昇", "上昇", "現状維持", "下降",
                                                         "急下降"};

// Two parts with one space between, or the one that is there. A blank value is a full-width space.
std::string Joined(std::string_view first, std::string_view second) {
  if (second == "\u3000") {
    second = {};
  }
  std::string joined(first);
  if (!first.empty() && !second.empty()) {
    joined += ' ';
  }
  return joined.append(second);
}

std::string PictureName(const MainWindowModel& window, ElementId picture) {
  for (const auto& [theme, heading] : kThemeHeadings) {
    for (std::size_t trend = 0; trend < kTrendWords.size(); ++trend) {
      if (RatingPicture(theme, static_cast<FortuneTrend>(trend)) == picture) {
        return Joined(window.text(heading), kTrendWords.at(trend));
      }
    }
  }
  return {};
}

std::string FirstOf(const NameChars& chars, int count) {
  std::string name;
  for (std::size_t k = 0; std::cmp_less(k, count); ++k) {
    name += chars.at(k);
  }
  return name;
}

// The strip shows the characters of the name's shape, which the state of the last calculation
// holds; until then it shows its heading.
std::string NameStripName(const MainWindowModel& window) {
  const std::string& caption = window.text(Label3);
  if (caption == DefinitionOf(Label3).text) {
    return caption;
  }
  const WindowState& state = window.state();
  const NameShape shape = ClassifyNameShape(state.SurnameStrokes, state.GivenStrokes);
  return Joined(FirstOf(state.SurnameChars, shape.surname), FirstOf(state.GivenChars, shape.given));
}

}  // namespace

std::string AccessibleName(const MainWindowModel& window, ElementId id) {
  for (const auto& [box, name] : kBoxes) {
    if (box == id) {
      return std::string(name);
    }
  }
  for (const auto& [value, caption] : kCaptioned) {
    if (value == id) {
      return Joined(window.text(caption), window.text(id));
    }
  }
  if (DefinitionOf(id).kind == ElementKind::Picture) {
    return PictureName(window, id);
  }
  return id == Label3 ? NameStripName(window) : std::string{};
}

}  // namespace quendrel
