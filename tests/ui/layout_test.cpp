// SPDX-License-Identifier: MIT
#include "ui/design/layout.h"

#include <algorithm>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "ui/design/element.h"

namespace quendrel {
namespace {

using enum ElementId;

TEST(Layout, GivesEveryDrawnElementOnePlaceInsideTheClientArea) {
  std::set<ElementId> laidOut;
  for (const ElementLayout& layout : ElementLayouts()) {
    EXPECT_TRUE(laidOut.insert(layout.id).second) << DefinitionOf(layout.id).name << " twice";
    EXPECT_GE(layout.left, 0);
    EXPECT_LE(layout.left + layout.width, kClientWidth) << DefinitionOf(layout.id).name;
    EXPECT_LE(layout.top + layout.height, kClientHeight) << DefinitionOf(layout.id).name;
    // Whole pixels at 96 dpi, so nothing is rounded when the window is built.
    EXPECT_EQ(layout.width % kTwipsPerPixel, 0) << DefinitionOf(layout.id).name;
  }
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    const ElementKind kind = DefinitionOf(id).kind;
    const bool drawnElsewhere =
        kind == ElementKind::Line || kind == ElementKind::Menu || kind == ElementKind::MenuItem;
    EXPECT_EQ(laidOut.contains(id), !drawnElsewhere) << DefinitionOf(id).name;
  }
}

TEST(Layout, StacksFromThePanelUpToTheExitButton) {
  const auto layouts = ElementLayouts();
  auto level = [&layouts](ElementId id) {
    return std::ranges::find(layouts, id, &ElementLayout::id) - layouts.begin();
  };
  const std::vector<ElementId> bottomToTop = {
      Shape1,  Label1,  Label13, Image1, Image5, Label14,  Label15,  Label17, Image6,
      Image15, Label18, Label21, Text1,  Text8,  Command1, Command2, Command3};
  for (std::size_t i = 1; i < bottomToTop.size(); ++i) {
    EXPECT_LT(level(bottomToTop[i - 1]), level(bottomToTop[i])) << i;
  }
  // The transparent title lies on the yellow panel, whose ground shows through.
  EXPECT_TRUE(LayoutOf(Label15).transparent);
  EXPECT_EQ(LayoutOf(Shape1).faceColour, (Rgb{255, 255, 128}));
}

TEST(Layout, PutsEachRowsPicturesAtOnePlaceBesideItsTrendLine) {
  const std::vector<std::pair<ElementId, std::vector<ElementId>>> rows = {
      {Label14, {Image1, Image2, Image3, Image4, Image5}},
      {Label16, {Image6, Image7, Image8, Image9, Image10}},
      {Label17, {Image11, Image12, Image13, Image14, Image15}},
  };
  for (const auto& [trend, pictures] : rows) {
    for (const ElementId picture : pictures) {
      const ElementLayout& place = LayoutOf(picture);
      EXPECT_EQ(place.top, LayoutOf(trend).top) << DefinitionOf(picture).name;
      EXPECT_GT(place.left, LayoutOf(trend).left + LayoutOf(trend).width);
      EXPECT_EQ(place.width, 450);  // 30 pixels: the pictures are never scaled
      EXPECT_EQ(place.height, 450);
    }
  }
}

TEST(Layout, OrdersTabStopsAsTheBoxesAndButtonsRead) {
  EXPECT_EQ(TabOrder(), (std::vector{Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
                                     Command1, Command2, Command3}));
  EXPECT_EQ(LayoutOf(Text1).inputMethod, InputMethod::Untouched);
  EXPECT_EQ(LayoutOf(Text5).inputMethod, InputMethod::Off);
}

TEST(Layout, DrawsEveryDiagramLineAxisParallelOnTheTwipGrid) {
  std::set<ElementId> lines;
  for (const LineLayout& line : LineLayouts()) {
    lines.insert(line.id);
    EXPECT_EQ(DefinitionOf(line.id).kind, ElementKind::Line);
    EXPECT_TRUE(line.x1 == line.x2 || line.y1 == line.y2) << DefinitionOf(line.id).name;
    for (const int coordinate : {line.x1, line.y1, line.x2, line.y2}) {
      EXPECT_EQ(coordinate % kTwipsPerPixel, 0) << DefinitionOf(line.id).name;
    }
  }
  EXPECT_EQ(lines.size(), 39U);
  // Left ticks point from the bracket towards the strip, everything else runs right or down.
  const auto lineLayouts = LineLayouts();
  const auto tick = std::ranges::find(lineLayouts, Line12, &LineLayout::id);
  ASSERT_NE(tick, lineLayouts.end());
  EXPECT_GT(tick->x1, tick->x2);
}

}  // namespace
}  // namespace quendrel
