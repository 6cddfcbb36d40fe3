// SPDX-License-Identifier: MIT
#include "core/fortune_catalogue.h"

#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fortunes.h"
#include "tests/utf.h"

namespace quendrel {
namespace {

using test::CodePoints;
using test::FortuneOf;

TEST(FortuneCatalogue, HoldsFiftyFiveEntriesWithThePublishedTrends) {
  const std::map<FortuneTrend, std::set<int>> expected = {
      {FortuneTrend::SharpRise, {1, 16, 23, 31, 32}},
      {FortuneTrend::Rise, {3,  5,  6,  7,  8,  11, 13, 15, 17, 18, 21, 24, 25,
                            27, 29, 33, 35, 37, 38, 39, 41, 45, 47, 48, 51, 52}},
      {FortuneTrend::Steady, {30, 34, 36, 40, 42, 43, 44, 49, 53}},
      {FortuneTrend::Fall, {2, 12, 22, 46, 50, 54, 55}},
      {FortuneTrend::SharpFall, {4, 9, 10, 14, 19, 20, 26, 28}},
  };
  std::map<FortuneTrend, std::set<int>> actual;
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    actual[entry.Trend].insert(entry.Number);
  }
  EXPECT_EQ(FortuneCatalogue().size(), 55U);
  EXPECT_EQ(actual, expected);
}

TEST(FortuneCatalogue, NamesFiftyTwoDistinctFortunesEachEndingInUn) {
  std::set<std::string_view> names;
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    names.insert(entry.FortuneName);
    EXPECT_EQ(CodePoints(entry.FortuneName), 3U) << entry.Number;
    EXPECT_TRUE(entry.FortuneName.ends_with("運")) << entry.Number;
  }
  EXPECT_EQ(names.size(), 52U);
  for (const auto& [a, b] : std::vector<std::pair<int, int>>{{3, 5}, {4, 9}, {23, 32}}) {
    EXPECT_EQ(FortuneOf(a).FortuneName, FortuneOf(b).FortuneName);
    EXPECT_NE(FortuneOf(a).Remark, FortuneOf(b).Remark);
  }
}

TEST(FortuneCatalogue, EndsEveryRemarkButFourInOneHalfWidthSpace) {
  std::set<int> withoutSpace;
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    const std::string_view remark = entry.Remark;
    if (!remark.ends_with("。 ")) {
      withoutSpace.insert(entry.Number);
      EXPECT_TRUE(remark.ends_with("。")) << entry.Number;
    }
    const std::size_t length = CodePoints(remark);
    EXPECT_GE(length, 6U) << entry.Number;
    EXPECT_LE(length, 40U) << entry.Number;
    EXPECT_EQ(remark.find_first_of("\r\n"), std::string_view::npos) << entry.Number;
  }
  EXPECT_EQ(withoutSpace, (std::set<int>{1, 2, 3, 17}));
  EXPECT_EQ(FortuneOf(1).Remark, "創世運です。");
  EXPECT_TRUE(FortuneOf(10).Remark.starts_with("画何かと"));
  EXPECT_TRUE(FortuneOf(43).Remark.starts_with("画地道な"));
  EXPECT_EQ(ApologyText(), "ごめんなさい鑑定できません。 ");
}

TEST(FortuneCatalogue, FindsOnlyTheNumbersOneToFiftyFive) {
  for (const std::int32_t none : {INT_MIN, -1, 0, 56, 100, INT_MAX}) {
    EXPECT_FALSE(FindFortune(none).has_value()) << none;
  }
  for (std::int32_t number = 1; number <= 55; ++number) {
    EXPECT_EQ(FortuneOf(number).Number, number);
  }
  EXPECT_EQ(FortuneOf(1).FortuneName, "源泉運");
  EXPECT_EQ(FortuneOf(55).FortuneName, "激情運");
  EXPECT_EQ(FortuneOf(55).Trend, FortuneTrend::Fall);
}

TEST(FortuneCatalogue, WritesTrendLinesOfTheLengthOfTheirTrend) {
  const std::map<FortuneTrend, std::size_t> lengths = {{FortuneTrend::SharpRise, 20},
                                                       {FortuneTrend::Rise, 19},
                                                       {FortuneTrend::Steady, 18},
                                                       {FortuneTrend::Fall, 19},
                                                       {FortuneTrend::SharpFall, 20}};
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    for (const auto theme :
         {AppraisalTheme::Future, AppraisalTheme::Work, AppraisalTheme::Relations}) {
      EXPECT_EQ(CodePoints(TrendLine(entry, theme)), lengths.at(entry.Trend)) << entry.Number;
    }
    if (entry.Number != 1) {
      EXPECT_EQ(TrendLine(entry, AppraisalTheme::Work), TrendLine(entry, AppraisalTheme::Future));
    }
    EXPECT_EQ(TrendLine(entry, AppraisalTheme::Relations),
              TrendLine(entry, AppraisalTheme::Future));
  }
}

TEST(FortuneCatalogue, WritesTrendLinesCharacterForCharacter) {
  struct Case {
    int number;
    AppraisalTheme theme;
    std::string line;
  };
  const std::vector<Case> cases = {
      {1, AppraisalTheme::Future, "源泉運\u3000当面の運勢は急上昇するでしょう！"},
      {1, AppraisalTheme::Work, "源泉運\u3000当面仕事運は急上昇するでしょう！"},
      {1, AppraisalTheme::Relations, "源泉運\u3000当面の運勢は急上昇するでしょう！"},
      {2, AppraisalTheme::Work, "孤立運\u3000当面の運勢は下降するでしょう！"},
      {3, AppraisalTheme::Future, "楽勝運\u3000当面の運勢は上昇するでしょう！"},
      {5, AppraisalTheme::Future, "楽勝運\u3000当面の運勢は上昇するでしょう！"},
      {10, AppraisalTheme::Work, "不幸運\u3000当面の運勢は急下降するでしょう！"},
      {30, AppraisalTheme::Relations, "財産運\u3000当面の運勢は現状維持のまま！"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrendLine(FortuneOf(c.number), c.theme), c.line) << c.number;
  }
}

}  // namespace
}  // namespace quendrel
