// SPDX-License-Identifier: MIT
// The nine name shapes and the worked examples, each through classification, the five grids, the
// name line and the brackets drawn for it.
#include "core/name_shape.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/diagram_lines.h"
#include "core/grids.h"
#include "core/name_line.h"
#include "tests/printers.h"

namespace quendrel {
namespace {

using enum DiagramLine;

// One column of brackets drawn as text, four marks per diagram row: a tick at the row's top (T),
// the vertical along it (V), a tick at its bottom (B), and the joint down to the next row (|).
struct Column {
  std::array<DiagramLine, 5> top, along, bottom;
  std::array<DiagramLine, 4> joint;
};
constexpr Column kRight = {{Line1, Line3, Line5, Line23, Line25},
                           {Line7, Line8, Line9, Line10, Line11},
                           {Line2, Line4, Line6, Line24, Line26},
                           {Line37, Line38, Line39, Line40}};
constexpr Column kLeft = {{Line12, Line14, Line16, Line30, Line32},
                          {Line18, Line19, Line20, Line21, Line22},
                          {Line13, Line15, Line17, Line31, Line33},
                          {Line42, Line43, Line44, Line45}};

std::string Draw(const Column& column, const std::set<DiagramLine>& shown) {
  std::string drawing;
  for (std::size_t row = 0; row < 5; ++row) {
    drawing += shown.contains(column.top.at(row)) ? 'T' : '.';
    drawing += shown.contains(column.along.at(row)) ? 'V' : '.';
    drawing += shown.contains(column.bottom.at(row)) ? 'B' : '.';
    drawing += row < 4 && shown.contains(column.joint.at(row)) ? '|' : ' ';
  }
  return drawing;
}

struct Brackets {
  std::string right;
  std::string left;
};

// The five drawings, as the brackets were designed: which rows each bracket spans, which ticks.
const Brackets kSet1 = {"TV.|TVB TVB TVB|.VB ", "TV.|.V.|.V.|.V.|.VB "};
const Brackets kSet2 = {"TV.|TVB TVB TVB ... ", "TV.|.V.|.V.|.VB ... "};
const Brackets kSet3 = {"TVB TV.|.VB TVB|.VB ", "TV.|.V.|.V.|.VB|.VB "};
const Brackets kSet4 = {"TVB TV.|.VB TVB|.VB ", "TV.|.V.|.V.|.V.|.VB "};
const Brackets kSet5 = {"TVB TV.|.VB TVB ... ", "TV.|.V.|.V.|.VB ... "};

struct ShapeCase {
  const char* what;
  NameStrokes surnameStrokes;
  NameStrokes givenStrokes;
  NameChars surname;
  NameChars given;
  NameShape shape;
  GridValues grids;  // 天格, 人格, 地格, 外格, 総格
  std::string nameLine;
  const Brackets* brackets;
  std::size_t lineCount;
};

// Counts 2, 3, 5 / 7, 11, 13 keep every sum distinct, so a wrong term shows. A count after a 0
// is left in place to prove it is ignored.
// clang-format off
const std::vector<ShapeCase> kCases = {
    {"3x3", {2, 3, 5}, {7, 11, 13}, {"長", "谷", "川"}, {"由", "美", "子"}, {3, 3},
     {10, 12, 31, 29, 41}, "長谷川由美子", &kSet1, 27},
    {"3x2", {2, 3, 5}, {7, 11, 0}, {"長", "谷", "川"}, {"由", "美", "々"}, {3, 2},
     {10, 12, 18, 16, 28}, "長谷川由美", &kSet2, 22},
    {"3x1", {2, 3, 5}, {7, 0, 13}, {"長", "谷", "川"}, {"由", "々", "子"}, {3, 1},
     {10, 12, 7, 5, 17}, "長谷川由☆", &kSet2, 22},
    {"2x3", {2, 3, 0}, {7, 11, 13}, {"長", "谷", ""}, {"由", "美", "子"}, {2, 3},
     {5, 10, 31, 26, 36}, "長谷  由美子", &kSet3, 27},
    {"2x2", {2, 3, 0}, {7, 11, 0}, {"長", "谷", ""}, {"由", "美", ""}, {2, 2},
     {5, 10, 18, 13, 23}, "長谷  由美", &kSet5, 21},
    {"2x1", {2, 3, 0}, {7, 0, 0}, {"長", "谷", ""}, {"由", "", ""}, {2, 1},
     {5, 10, 7, 2, 12}, "長谷  由☆", &kSet5, 21},
    {"1x3", {2, 0, 5}, {7, 11, 13}, {"長", "々", "川"}, {"由", "美", "子"}, {1, 3},
     {2, 9, 31, 24, 33}, "☆長  由美子", &kSet4, 26},
    {"1x2", {2, 0, 0}, {7, 11, 0}, {"長", "", ""}, {"由", "美", ""}, {1, 2},
     {2, 9, 18, 11, 20}, "☆長  由美", &kSet5, 21},
    {"1x1", {2, 0, 0}, {7, 0, 0}, {"長", "", ""}, {"由", "", ""}, {1, 1},
     {2, 9, 7, 0, 9}, "☆長  由☆", &kSet5, 21},
    {"長谷川/由美子", {8, 7, 3}, {5, 9, 3}, {"長", "谷", "川"}, {"由", "美", "子"}, {3, 3},
     {18, 8, 17, 27, 35}, "長谷川由美子", &kSet1, 27},
    {"山田/太郎", {3, 5, 0}, {4, 9, 0}, {"山", "田", ""}, {"太", "郎", ""}, {2, 2},
     {8, 9, 13, 12, 21}, "山田  太郎", &kSet5, 21},
    {"林/一", {8, 0, 0}, {1, 0, 0}, {"林", "", ""}, {"一", "", ""}, {1, 1},
     {8, 9, 1, 0, 9}, "☆林  一☆", &kSet5, 21},
    {"empty/太郎", {0, 0, 0}, {4, 9, 0}, {"", "", ""}, {"太", "郎", ""}, {1, 2},
     {0, 4, 13, 9, 13}, "☆  太郎", &kSet5, 21},
    {"both empty", {0, 0, 0}, {0, 0, 0}, {"", "", ""}, {"", "", ""}, {1, 1},
     {0, 0, 0, 0, 0}, "☆  ☆", &kSet5, 21},
    {"unknown first character", {0, 5, 0}, {4, 0, 0}, {"々", "田", ""}, {"太", "", ""}, {2, 1},
     {5, 9, 4, 0, 9}, "々田  太☆", &kSet5, 21},
};
// clang-format on

TEST(NameShapes, ClassifyComputeWriteAndDrawEveryShape) {
  for (const ShapeCase& c : kCases) {
    SCOPED_TRACE(c.what);
    const NameShape shape = ClassifyNameShape(c.surnameStrokes, c.givenStrokes);
    EXPECT_EQ(shape, c.shape);
    EXPECT_EQ(ComputeGrids(shape, c.surnameStrokes, c.givenStrokes), c.grids);
    EXPECT_EQ(ComposeNameLine(shape, c.surname, c.given), c.nameLine);

    const auto lines = DiagramLinesFor(shape);
    const std::set<DiagramLine> shown(lines.begin(), lines.end());
    EXPECT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(shown.size(), lines.size()) << "a line listed twice";
    EXPECT_EQ(Draw(kRight, shown), c.brackets->right);
    EXPECT_EQ(Draw(kLeft, shown), c.brackets->left);
    EXPECT_TRUE(shown.contains(Line27)) << "総格 line";
  }
}

TEST(NameShapes, LeaveTheSameNineLinesHiddenInEveryShape) {
  const std::set<DiagramLine> neverShown = {Line13, Line14, Line15, Line16, Line17,
                                            Line25, Line30, Line32, Line39};
  std::set<DiagramLine> everShown;
  for (int surname = 1; surname <= 3; ++surname) {
    for (int given = 1; given <= 3; ++given) {
      for (const DiagramLine line : DiagramLinesFor({surname, given})) {
        everShown.insert(line);
      }
    }
  }
  std::set<DiagramLine> all(kAllDiagramLines.begin(), kAllDiagramLines.end());
  EXPECT_EQ(all.size(), 39U);
  for (const DiagramLine line : neverShown) {
    all.erase(line);
  }
  EXPECT_EQ(everShown, all);
}

TEST(NameShapes, SumsNeverOverflowAtTheHighestCounts) {
  const NameStrokes highest = {24, 24, 24};
  EXPECT_EQ(ComputeGrids({3, 3}, highest, highest), (GridValues{72, 48, 72, 96, 144}));
}

}  // namespace
}  // namespace quendrel
