// SPDX-License-Identifier: MIT
#include "ui/stroke_calculation.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/printers.h"
#include "tests/ui/window_probe.h"
#include "ui/appraisal.h"

namespace quendrel {
namespace {

using enum ElementId;
using test::LineElementsOf;
using test::VisibleElements;

constexpr std::array kCountBoxes = {Text3, Text4, Text5, Text6, Text7, Text8};
constexpr std::array kValueLabels = {Label4, Label5, Label6, Label7, Label8};

struct CalculationCase {
  const char* surname;
  const char* given;
  std::array<const char*, 6> countBoxes;
  NameStrokes surnameStrokes;
  NameStrokes givenStrokes;
  std::array<const char*, 5> values;  // 天格, 人格, 地格, 外格, 総格 as shown
  std::string nameLine;
  NameShape shape;
};

// clang-format off
const std::vector<CalculationCase> kCases = {
    {"山田", "太郎", {"3", "5", "", "4", "9", ""}, {3, 5, 0}, {4, 9, 0},
     {"8", "9", "13", "12", "21"}, "山田  太郎", {2, 2}},
    {"長谷川", "由美子", {"8", "7", "3", "5", "9", "3"}, {8, 7, 3}, {5, 9, 3},
     {"18", "8", "17", "27", "35"}, "長谷川由美子", {3, 3}},
    {"林", "一", {"8", "", "", "1", "", ""}, {8, 0, 0}, {1, 0, 0},
     {"8", "9", "1", "0", "9"}, "☆林  一☆", {1, 1}},
    {"", "太郎", {"", "", "", "4", "9", ""}, {0, 0, 0}, {4, 9, 0},
     {"0", "4", "13", "9", "13"}, "☆  太郎", {1, 2}},
    {"", "", {"", "", "", "", "", ""}, {0, 0, 0}, {0, 0, 0},
     {"0", "0", "0", "0", "0"}, "☆  ☆", {1, 1}},
    // Neither table holds ｱ: the surname ends before it and 木 takes no part.
    {"佐ｱ木", "", {"7", "", "4", "", "", ""}, {7, 0, 4}, {0, 0, 0},
     {"7", "7", "0", "0", "7"}, "☆佐  ☆", {1, 1}},
    // 々 repeats 佐 and 蓮 comes from the second table.
    {"佐々木", "蓮", {"7", "7", "4", "13", "", ""}, {7, 7, 4}, {13, 0, 0},
     {"18", "17", "13", "14", "31"}, "佐々木蓮☆", {3, 1}},
    {"ぬ極", "監", {"4", "13", "", "15", "", ""}, {4, 13, 0}, {15, 0, 0},
     {"17", "28", "15", "4", "32"}, "ぬ極  監☆", {2, 1}},
    {"ｱタ", "", {"", "3", "", "", "", ""}, {0, 3, 0}, {0, 0, 0},
     {"3", "3", "0", "0", "3"}, "ｱタ  ☆", {2, 1}},
    {" 山", "", {"", "3", "", "", "", ""}, {0, 3, 0}, {0, 0, 0},
     {"3", "3", "0", "0", "3"}, " 山  ☆", {2, 1}},
    // Characters as a reader sees them: 𠮷 is one character; か + U+3099 is が.
    {"𠮷野家", "か\u3099辺\U000E0100", {"6", "11", "10", "5", "5", ""}, {6, 11, 10}, {5, 5, 0},
     {"27", "15", "10", "22", "37"}, "𠮷野家か\u3099辺\U000E0100", {3, 2}},
};
// clang-format on

TEST(StrokeCalculation, CountsComputesWritesAndDrawsEachName) {
  for (const CalculationCase& c : kCases) {
    SCOPED_TRACE(std::string{c.surname} + "/" + c.given);
    MainWindowModel window;
    window.setText(Text1, c.surname);
    window.setText(Text2, c.given);
    Command1_Click(window);

    for (std::size_t i = 0; i < kCountBoxes.size(); ++i) {
      EXPECT_EQ(window.text(kCountBoxes.at(i)), c.countBoxes.at(i)) << "count box " << i;
    }
    EXPECT_EQ(window.state().SurnameStrokes, c.surnameStrokes);
    EXPECT_EQ(window.state().GivenStrokes, c.givenStrokes);
    const GridValues& grids = window.state().Grids;
    const std::array stored = {grids.Tenkaku, grids.Jinkaku, grids.Chikaku, grids.Gaikaku,
                               grids.Soukaku};
    for (std::size_t i = 0; i < kValueLabels.size(); ++i) {
      EXPECT_EQ(window.text(kValueLabels.at(i)), c.values.at(i)) << "grid " << i;
      EXPECT_EQ(std::to_string(stored.at(i)), c.values.at(i)) << "grid " << i;
    }
    EXPECT_EQ(window.text(Label3), c.nameLine);
    EXPECT_EQ(VisibleElements(window, ElementKind::Line), LineElementsOf(c.shape));
  }
}

TEST(StrokeCalculation, StartsEachRunAfreshButKeepsTheLastRemark) {
  MainWindowModel window;
  window.setText(Text1, "長谷川");
  window.setText(Text2, "由美子");
  Command1_Click(window);
  Command2_Click(window);
  const std::string remark = window.text(Label21);
  ASSERT_FALSE(remark.empty());
  ASSERT_FALSE(VisibleElements(window, ElementKind::Picture).empty());

  window.setText(Text1, "林");
  window.setText(Text2, "");
  Command1_Click(window);
  for (const ElementId box : kCountBoxes) {
    EXPECT_EQ(window.text(box), box == Text3 ? "8" : "") << DefinitionOf(box).name;
  }
  EXPECT_EQ(window.state().GivenStrokes, (NameStrokes{0, 0, 0}));
  EXPECT_EQ(window.state().GivenChars, (NameChars{"", "", ""}));
  for (const ElementId label : {Label14, Label16, Label17}) {
    EXPECT_EQ(window.text(label), "") << DefinitionOf(label).name;
  }
  EXPECT_TRUE(VisibleElements(window, ElementKind::Picture).empty());
  EXPECT_EQ(VisibleElements(window, ElementKind::Line), LineElementsOf({1, 1}))
      << "no line of the 3 × 3 brackets may remain";
  EXPECT_EQ(window.text(Label21), remark);
  EXPECT_EQ(window.state().Grids, (GridValues{8, 8, 0, 0, 8}));
}

TEST(StrokeCalculation, IgnoresWhatIsTypedIntoTheCountBoxes) {
  MainWindowModel window;
  window.setText(Text1, "山田");
  window.setText(Text2, "太郎");
  window.setText(Text5, "99");
  window.setText(Text8, "山");
  Command1_Click(window);
  EXPECT_EQ(window.text(Text5), "");
  EXPECT_EQ(window.text(Text8), "");
  EXPECT_EQ(window.text(Label8), "21");
}

TEST(StrokeCalculation, GivesTheSameResultWhenRunTwice) {
  MainWindowModel window;
  window.setText(Text1, "長谷川");
  window.setText(Text2, "由美子");
  Command1_Click(window);
  const GridValues first = window.state().Grids;
  const auto lines = VisibleElements(window, ElementKind::Line);
  Command1_Click(window);
  EXPECT_EQ(window.state().Grids, first);
  EXPECT_EQ(VisibleElements(window, ElementKind::Line), lines);
}

// A new way of counting counts again what is shown and appraises again what was appraised; before
// any count it only changes the next.
TEST(StrokeCalculation, CountsAgainWhatIsShownByANewRule) {
  constexpr CountingRule kKangxi{CountingSchool::Kangxi, false};
  MainWindowModel window;
  window.setText(Text1, "佐藤");
  window.setText(Text2, "陽葵");
  SetCounting(window, kKangxi);
  EXPECT_EQ(window.text(Text4), "");
  EXPECT_EQ(window.text(Label14), DefinitionOf(Label14).text);
  Command1_Click(window);
  EXPECT_EQ(window.text(Label8), "60");

  SetCounting(window, {});
  EXPECT_EQ(window.text(Text4), "18");
  EXPECT_EQ(window.text(Label8), "49");
  EXPECT_EQ(window.text(Label14), "") << "no appraisal was shown, so none is made";

  Command2_Click(window);
  const std::string work = window.text(Label16);  // 仕事, by 外格: 19, then 22
  SetCounting(window, kKangxi);
  EXPECT_EQ(window.text(Label8), "60");
  EXPECT_FALSE(window.text(Label16).empty());
  EXPECT_NE(window.text(Label16), work);
}

}  // namespace
}  // namespace quendrel
