// SPDX-License-Identifier: MIT
#include "ui/design/layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "ui/design/diagram_line_elements.h"
#include "ui/design/element.h"

namespace quendrel {
namespace {

using enum ElementId;
using enum Alignment;
using enum InputMethod;

constexpr FontSpec kWindowFont{};
constexpr FontSpec kBold9{900, true};
constexpr FontSpec kBold12{1200, true};

// Element, left, top, width, height (twips), font, text colour, face colour, border, alignment,
// transparent, tab index, input method. Listed from the bottom of the stack to the top, the
// order in which overlapping elements are drawn.
// clang-format off
constexpr std::array kLayouts = std::to_array<ElementLayout>({
    {Shape1,   1440,    0, 4335,  735, {},            {},          kPaleYellow, false, Left,   false, -1, Untouched},
    {Label1,    600,  840,  975,  255, kBold12,       kTeal,       {},          false, Left,   true,   0, Untouched},
    {Label2,   1920,  840,  975,  255, kBold12,       kTeal,       {},          false, Left,   true,   1, Untouched},
    {Label3,   1680, 2880,  375, 1935, {1575, true},  kNavy,       {},          false, Left,   false, 11, Untouched},
    {Label4,   3120, 3000,  615,  255, {975, false},  kYellow,     {},          false, Left,   true,  12, Untouched},
    {Label5,   3120, 3720,  495,  375, {975, false},  kYellow,     {},          false, Left,   true,  13, Untouched},
    {Label6,   3120, 4200,  495,  375, {975, false},  kYellow,     {},          false, Left,   true,  14, Untouched},
    {Label7,    600, 3600,  375,  375, {975, false},  kYellow,     {},          false, Left,   true,  15, Untouched},
    {Label8,   1920, 5040,  495,  255, {975, false},  kYellow,     {},          false, Left,   true,  16, Untouched},
    {Label9,   2640, 3000,  495,  255, kBold9,        kGreen,      {},          false, Left,   true,  17, Untouched},
    {Label10,  2640, 3720,  495,  255, kBold9,        kGreen,      {},          false, Left,   true,  18, Untouched},
    {Label11,  2640, 4200,  615,  255, kBold9,        kGreen,      {},          false, Left,   true,  19, Untouched},
    {Label12,   480, 3240,  495,  255, kBold9,        kGreen,      {},          false, Left,   true,  20, Untouched},
    {Label13,  1320, 5040,  495,  255, kBold9,        kGreen,      {},          false, Left,   true,  21, Untouched},
    {Image1,   6240, 1320,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image2,   6240, 1320,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image3,   6240, 1320,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image4,   6240, 1320,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image5,   6240, 1320,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Label14,  4200, 1320, 1935,  495, kWindowFont,   kBlue,       {},          true,  Centre, false, 24, Untouched},
    {Label15,  1800,  120, 3615,  495, {2625, true},  kBlack,      {},          false, Centre, true,  25, Untouched},
    {Label16,  4200, 2040, 1935,  495, kWindowFont,   kRed,        {},          true,  Centre, false, 26, Untouched},
    {Label17,  4200, 2760, 1935,  495, kWindowFont,   kOlive,      {},          true,  Centre, false, 27, Untouched},
    {Image6,   6240, 2040,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image7,   6240, 2040,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image8,   6240, 2040,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image9,   6240, 2040,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image10,  6240, 2040,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image11,  6240, 2760,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image12,  6240, 2760,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image13,  6240, 2760,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image14,  6240, 2760,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Image15,  6240, 2760,  450,  450, {},            {},          {},          false, Left,   false, -1, Untouched},
    {Label18,  3600, 1440,  375,  255, kWindowFont,   {},          {},          false, Left,   false, 28, Untouched},
    {Label19,  3600, 2160,  375,  255, kWindowFont,   {},          {},          false, Left,   false, 29, Untouched},
    {Label20,  3600, 2880,  375,  255, kWindowFont,   {},          {},          false, Left,   false, 30, Untouched},
    {Label21,  4200, 4320, 2415, 1575, {1200, false}, kDarkGrey,   {},          true,  Left,   false, 31, Untouched},
    {Text1,     480, 1200, 1095,  375, {1575, false}, {},          {},          false, Left,   false,  2, Untouched},
    {Text2,    1800, 1200, 1095,  375, {1575, false}, {},          {},          false, Left,   false,  3, Untouched},
    {Text3,     480, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  4, Off},
    {Text4,     840, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  5, Off},
    {Text5,    1200, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  6, Off},
    {Text6,    1800, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  7, Off},
    {Text7,    2160, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  8, Off},
    {Text8,    2520, 1560,  375,  270, kWindowFont,   {},          {},          false, Left,   false,  9, Off},
    {Command1, 1200, 2160, 1215,  495, kBold9,        {},          kControlGrey, false, Left,  false, 10, Untouched},
    {Command2, 4680, 3480, 1215,  495, kBold9,        {},          kControlGrey, false, Left,  false, 22, Untouched},
    {Command3, 2760, 5400, 1215,  495, kBold9,        {},          {},          false, Left,   false, 23, Untouched},
});

constexpr std::array kLines = std::to_array<LineLayout>({
    {Line1,  2160, 3000, 2400, 3000}, {Line2,  2160, 3240, 2400, 3240},
    {Line3,  2160, 3360, 2400, 3360}, {Line4,  2160, 3600, 2400, 3600},
    {Line5,  2160, 3720, 2400, 3720}, {Line6,  2160, 3960, 2400, 3960},
    {Line7,  2400, 3000, 2400, 3240}, {Line8,  2400, 3360, 2400, 3600},
    {Line9,  2400, 3720, 2400, 3960}, {Line10, 2400, 4080, 2400, 4320},
    {Line11, 2400, 4440, 2400, 4680}, {Line12, 1560, 3000, 1320, 3000},
    {Line13, 1560, 3240, 1320, 3240}, {Line14, 1560, 3360, 1320, 3360},
    {Line15, 1560, 3600, 1320, 3600}, {Line16, 1560, 3720, 1320, 3720},
    {Line17, 1560, 3960, 1320, 3960}, {Line18, 1320, 3000, 1320, 3240},
    {Line19, 1320, 3360, 1320, 3600}, {Line20, 1320, 3720, 1320, 3960},
    {Line21, 1320, 4080, 1320, 4320}, {Line22, 1320, 4440, 1320, 4680},
    {Line23, 2160, 4080, 2400, 4080}, {Line24, 2160, 4320, 2400, 4320},
    {Line25, 2160, 4440, 2400, 4440}, {Line26, 2160, 4680, 2400, 4680},
    {Line27, 1320, 4920, 2400, 4920}, {Line30, 1320, 4080, 1560, 4080},
    {Line31, 1320, 4320, 1560, 4320}, {Line32, 1320, 4440, 1560, 4440},
    {Line33, 1320, 4680, 1560, 4680}, {Line37, 2400, 3240, 2400, 3360},
    {Line38, 2400, 3600, 2400, 3720}, {Line39, 2400, 3960, 2400, 4080},
    {Line40, 2400, 4320, 2400, 4440}, {Line42, 1320, 3240, 1320, 3360},
    {Line43, 1320, 3600, 1320, 3720}, {Line44, 1320, 3960, 1320, 4080},
    {Line45, 1320, 4320, 1320, 4440},
});
// clang-format on

// Each element that the client area or a widget draws has one layout; the menus have none.
constexpr bool EveryDrawnElementLaidOutOnce() {
  for (const ElementDefinition& element : kElementDefinitions) {
    const bool drawn = element.kind != ElementKind::Line && element.kind != ElementKind::Menu &&
                       element.kind != ElementKind::MenuItem;
    const auto layouts = std::ranges::count(kLayouts, element.id, &ElementLayout::id);
    if (layouts != (drawn ? 1 : 0)) {
      return false;
    }
  }
  return true;
}
static_assert(EveryDrawnElementLaidOutOnce());

// The lines' layouts follow the list of lines, one for each.
constexpr bool EveryLineLaidOutInOrder() {
  if (kLines.size() != kAllDiagramLines.size()) {
    return false;
  }
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    if (kLines.at(i).id != ElementOf(kAllDiagramLines.at(i))) {
      return false;
    }
  }
  return true;
}
static_assert(EveryLineLaidOutInOrder());

}  // namespace

std::span<const ElementLayout> ElementLayouts() {
  return kLayouts;
}

const ElementLayout& LayoutOf(ElementId id) {
  const auto* const found = std::ranges::find(kLayouts, id, &ElementLayout::id);
  if (found == kLayouts.end()) {
    throw std::out_of_range("element without a layout");
  }
  return *found;
}

std::vector<ElementId> TabOrder() {
  std::vector<const ElementLayout*> focusable;
  for (const ElementLayout& layout : kLayouts) {
    const ElementKind kind = DefinitionOf(layout.id).kind;
    if (kind == ElementKind::TextBox || kind == ElementKind::CommandButton) {
      focusable.push_back(&layout);
    }
  }
  std::ranges::sort(focusable, {}, &ElementLayout::tabIndex);
  std::vector<ElementId> order;
  order.reserve(focusable.size());
  for (const ElementLayout* layout : focusable) {
    order.push_back(layout->id);
  }
  return order;
}

std::span<const LineLayout> LineLayouts() {
  return kLines;
}

}  // namespace quendrel
