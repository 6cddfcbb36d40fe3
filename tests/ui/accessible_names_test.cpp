// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ui/appraisal.h"
#include "ui/stroke_calculation.h"

namespace quendrel {
namespace {

using enum ElementId;

// What a screen reader hears, from the window as it opens and after a name's calculation and
// appraisal; the widget test checks that the view hands these names on.
TEST(AccessibleName, NamesWhatEachElementShows) {
  struct Stage {
    std::string surname, given;  // calculated and appraised unless empty
    std::vector<std::pair<ElementId, std::string>> names;
  };
  const std::vector<Stage> stages = {
      {"",
       "",
       {{Text1, "姓"},
        {Text2, "名"},
        {Text5, "姓の3文字目の画数"},
        {Text6, "名の1文字目の画数"},
        {Label3, "＊画数計算＊"},  // the strip's heading until a calculation
        {Label4, "天格"},          // a blank value leaves the caption
        {Label14, "未来 これからの運勢"},
        {Image1, "急下降"},
        {Image11, "急下降"},
        {Label1, ""},  // its own caption says it all
        {Command1, ""}}},
      {"長谷川",
       "由美子",
       {{Label3, "長谷川 由美子"},
        {Label4, "天格 18"},
        {Label5, "人格 8"},
        {Label6, "地格 17"},
        {Label7, "外格 27"},
        {Label8, "総格 35"},
        {Label14, "未来 繊細運\u3000当面の運勢は上昇するでしょう！"},
        {Label16, "仕事 強肩運\u3000当面の運勢は上昇するでしょう！"},
        {Label17, "対人 繊細運\u3000当面の運勢は上昇するでしょう！"},
        {Image4, "上昇"},
        {Image9, "上昇"},
        {Image12, "上昇"}}},
      {"林", "一", {{Label3, "林 一"}, {Label7, "外格 0"}, {Label16, "仕事"}}},
      {"𠮷田", "一", {{Label3, "𠮷田 一"}}},
  };
  MainWindowModel window;
  for (const Stage& stage : stages) {
    if (!stage.surname.empty()) {
      window.setText(Text1, stage.surname);
      window.setText(Text2, stage.given);
      Command1_Click(window);
      Command2_Click(window);
    }
    for (const auto& [id, name] : stage.names) {
      EXPECT_EQ(AccessibleName(window, id), name) << stage.surname << ": " << DefinitionOf(id).name;
    }
  }
}

// A count from the second table says so; one from the built-in table, and a blank, say nothing.
TEST(AccessibleDescription, MarksTheCountsThatTheSecondTableGave) {
  MainWindowModel window;
  const std::vector<std::pair<std::string, std::vector<ElementId>>> runs = {
      {"佐々木", {Text4, Text6}}, {"長谷川", {Text6}}};
  for (const auto& [surname, marked] : runs) {
    window.setText(Text1, surname);
    window.setText(Text2, "蓮ｱ");
    Command1_Click(window);
    for (const ElementId id : {Text1, Text3, Text4, Text5, Text6, Text7, Text8, Label3}) {
      const bool isMarked = std::ranges::find(marked, id) != marked.end();
      EXPECT_EQ(AccessibleDescription(window, id), isMarked ? "補助表の画数" : "")
          << surname << ": " << DefinitionOf(id).name;
    }
  }
}

TEST(AccessibleName, LeavesTheCaptionsToTheNamesOfTheirValues) {
  for (const ElementId id :
       {Label9, Label10, Label11, Label12, Label13, Label18, Label19, Label20}) {
    EXPECT_TRUE(HeardWithItsValue(id)) << DefinitionOf(id).name;
  }
  for (const ElementId id : {Label1, Label3, Label4, Label14, Label21, Image1}) {
    EXPECT_FALSE(HeardWithItsValue(id)) << DefinitionOf(id).name;
  }
}

TEST(Announcement, SaysWhatEachCommandShowed) {
  struct Case {
    std::string surname, given, calculated, appraised;
  };
  const std::vector<Case> cases = {
      {"長谷川", "由美子", "天格 18、人格 8、地格 17、外格 27、総格 35",
       "未来 繊細運 上昇、仕事 強肩運 上昇、対人 繊細運 上昇。"
       "生真面目すぎて、嫌われる時もあります。もっと大らかに振る舞って下さい。 "},
      {"ｱ田", "一", "天格 5、人格 6、地格 1、外格 0、総格 6。画数表にない文字 ｱ",
       "未来 盛大運 上昇、仕事 なし、対人 盛大運 上昇。豪快で暖かみのあるタイプで、信頼されます。 "},
      {"林", "一", "天格 8、人格 9、地格 1、外格 0、総格 9",
       "未来 困難運 急下降、仕事 なし、対人 困難運 急下降。"
       "繊細で鋭い神経が、自分や他人を傷つけることもあります。 "},
  };
  for (const Case& c : cases) {
    MainWindowModel window;
    window.setText(Text1, c.surname);
    window.setText(Text2, c.given);
    Command1_Click(window);
    EXPECT_EQ(StrokeCalculationAnnouncement(window), c.calculated) << c.surname;
    Command2_Click(window);
    EXPECT_EQ(AppraisalAnnouncement(window), c.appraised) << c.surname;
    EXPECT_EQ(CarriedNameAnnouncement(window),
              c.surname + " " + c.given + "。" + c.calculated + "。" + c.appraised);
  }
}

}  // namespace
}  // namespace quendrel
