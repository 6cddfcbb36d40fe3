// SPDX-License-Identifier: MIT
#include "ui/appraisal.h"

#include <climits>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fortunes.h"
#include "tests/printers.h"
#include "tests/ui/window_probe.h"
#include "ui/result_rows.h"
#include "ui/stroke_calculation.h"

namespace quendrel {
namespace {

using enum ElementId;
using test::FortuneOf;
using test::VisibleElements;

struct AppraisalCase {
  const char* what;
  GridValues grids;  // only 人格, 外格 and 総格 are read
  std::string remark;
  std::string future, work, relations;
  std::set<ElementId> pictures;
};

const std::string kRemark20 =
    "気持ちや行動がコロコロ変わりやすいことは、あまり良くない場合が多いです。 ";
const std::string kSteady30 = "財産運\u3000当面の運勢は現状維持のまま！";
const std::string kFall55 = "激情運\u3000当面の運勢は下降するでしょう！";

const std::vector<AppraisalCase> kCases = {
    {"nothing calculated", {}, "ごめんなさい鑑定できません。 ", "", "", "", {}},
    {"人格 20, 外格 10, 総格 30",
     {0, 20, 0, 10, 30},
     kRemark20,
     kSteady30,
     "不幸運\u3000当面の運勢は急下降するでしょう！",
     kSteady30,
     {Image2, Image6, Image14}},
    {"first fortune everywhere",
     {0, 1, 0, 1, 1},
     "創世運です。",
     "源泉運\u3000当面の運勢は急上昇するでしょう！",
     "源泉運\u3000当面仕事運は急上昇するでしょう！",
     "源泉運\u3000当面の運勢は急上昇するでしょう！",
     {Image3, Image8, Image13}},
    {"上昇 in every row",
     {0, 3, 0, 3, 3},
     "とにかく陽気です。明るさを皆に分けてあげて下さい。",
     "楽勝運\u3000当面の運勢は上昇するでしょう！",
     "楽勝運\u3000当面の運勢は上昇するでしょう！",
     "楽勝運\u3000当面の運勢は上昇するでしょう！",
     {Image4, Image9, Image12}},
    {"55 everywhere but 人格 0",
     {0, 0, 0, 55, 55},
     "ごめんなさい鑑定できません。 ",
     kFall55,
     kFall55,
     kFall55,
     {Image5, Image10, Image15}},
    {"外格 0 leaves the work row empty",
     {0, 9, 0, 0, 9},
     "繊細で鋭い神経が、自分や他人を傷つけることもあります。 ",
     "困難運\u3000当面の運勢は急下降するでしょう！",
     "",
     "困難運\u3000当面の運勢は急下降するでしょう！",
     {Image1, Image11}},
    {"総格 56 leaves future and relations empty",
     {0, 41, 0, 15, 56},
     "自分で決めたことは、実行できるタイプです。 ",
     "",
     "英才運\u3000当面の運勢は上昇するでしょう！",
     "",
     {Image9}},
    {"values no fortune has",
     {0, INT_MIN, 0, -1, INT_MAX},
     "ごめんなさい鑑定できません。 ",
     "",
     "",
     "",
     {}},
};

TEST(Appraisal, ReadsTheStoredGridsIntoRemarkRowsAndPictures) {
  for (const AppraisalCase& c : kCases) {
    SCOPED_TRACE(c.what);
    MainWindowModel window;
    window.state().Grids = c.grids;
    for (int press = 1; press <= 2; ++press) {  // a second press changes nothing
      Command2_Click(window);
      EXPECT_EQ(window.text(Label21), c.remark);
      EXPECT_EQ(window.text(Label14), c.future);
      EXPECT_EQ(window.text(Label16), c.work);
      EXPECT_EQ(window.text(Label17), c.relations);
      EXPECT_EQ(VisibleElements(window, ElementKind::Picture), c.pictures);
    }
  }
}

TEST(Appraisal, ShowsOnePictureOfTheRightRowForEveryTrend) {
  const std::vector<std::set<ElementId>> rows = {
      {Image1, Image2, Image3, Image4, Image5},
      {Image6, Image7, Image8, Image9, Image10},
      {Image11, Image12, Image13, Image14, Image15},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::set<ElementId> used;
    for (const auto trend : {FortuneTrend::SharpRise, FortuneTrend::Rise, FortuneTrend::Steady,
                             FortuneTrend::Fall, FortuneTrend::SharpFall}) {
      used.insert(kThemeRows.at(i).picture(trend));
    }
    EXPECT_EQ(used, rows.at(i));
  }
}

TEST(Appraisal, UsesTheLastCalculationNotTheEditedNames) {
  MainWindowModel window;
  window.setText(Text1, "山田");
  window.setText(Text2, "太郎");
  Command1_Click(window);
  window.setText(Text1, "長谷川");
  window.setText(Text2, "由美子");
  Command2_Click(window);
  // 山田太郎: 人格 9, 外格 12, 総格 21.
  EXPECT_EQ(window.text(Label21), FortuneOf(9).Remark);
  EXPECT_EQ(window.text(Label16), "挫折運\u3000当面の運勢は下降するでしょう！");
  EXPECT_EQ(window.text(Label14), "実績運\u3000当面の運勢は上昇するでしょう！");
  EXPECT_EQ(VisibleElements(window, ElementKind::Picture), (std::set{Image4, Image10, Image12}));
  EXPECT_EQ(window.text(Label8), "21");
}

TEST(Appraisal, EmptiesTheRowCaptionsBeforeAnyCalculation) {
  MainWindowModel window;
  std::vector<ElementId> written;
  window.setChangeListener([&written](std::span<const ElementId> ids) {
    written.insert(written.end(), ids.begin(), ids.end());
  });
  Command2_Click(window);
  const std::vector<ElementId> expected = {Image1,  Image2,  Image3,  Image4,  Image5,
                                           Label14, Label16, Label17, Label21, Label21};
  EXPECT_EQ(written, expected) << "the 未来 pictures and the captions, in order, then the apology";
}

}  // namespace
}  // namespace quendrel
