// SPDX-License-Identifier: MIT
#include "core/name_finder.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/characters.h"
#include "core/dictionary_load.h"
#include "tests/euc_jp.h"

namespace quendrel {
namespace {

class CandidateListTest : public testing::Test {
 protected:
  CandidateListTest() { list_.setSurname(CountNameStrokes(SplitName("佐藤"))); }  // 7 and 18

  static DictionaryLoad Small() {
    std::istringstream stream{test::EucJp(test::kSmallDictionary)};
    return LoadNameDictionary(stream);
  }

  // Each row as its name, score and 人格's trend score.
  [[nodiscard]] std::vector<std::string> rows() const {
    std::vector<std::string> rows;
    rows.reserve(list_.size());
    for (std::size_t row = 0; row < list_.size(); ++row) {
      const Candidate& c = list_[row];
      rows.push_back(std::string{list_.name(row).written} + " " + std::to_string(c.score.score) +
                     " " + std::to_string(c.score.personality));
    }
    return rows;
  }

  DictionaryLoad load_ = Small();
  CandidateList list_{load_.names};
};

TEST(TrendScore, ScoresEachTrendAndANumberWithoutFortune) {
  EXPECT_EQ(TrendScore(FindFortune(23)), 2);   // 急上昇
  EXPECT_EQ(TrendScore(FindFortune(25)), 1);   // 上昇
  EXPECT_EQ(TrendScore(FindFortune(30)), 0);   // 現状維持
  EXPECT_EQ(TrendScore(FindFortune(2)), -1);   // 下降
  EXPECT_EQ(TrendScore(FindFortune(4)), -2);   // 急下降
  EXPECT_EQ(TrendScore(FindFortune(56)), -3);  // none
  EXPECT_EQ(TrendScore(FindFortune(0)), -3);
}

// With 佐藤 (天格 25): さくら 3·1·3 gives 総格 32 急上昇 twice and 外格 11 上昇; 蒼 and 翠 tie at 3
// with 人格 31 and 32 both 急上昇; 凛, 律 and 紬 at 1, and Mozc's costs (さくら 3485, 凛 3590,
// 律 4676, 蒼 4943, 紬 4949, 大翔 5200, 陽翔 5219; 翠 すい and 陽葵 unknown) order them, those
// the sex rule is firm on (凛, 蒼, 紬) before the others (さくら, 律); the three from 大翔 have
// 外格 19 転落運 急下降, and 麗鷹's 総格 68 no fortune. The ties left fall to the readings: 陽翔
// はると before 陽葵 ひなた.
TEST_F(CandidateListTest, RanksByEitherRankingWithFamiliarityBeforeTheReading) {
  const std::vector<std::pair<Ranking, std::vector<std::string>>> cases = {
      {Ranking::Recommended,
       {"凛 1 1", "蒼 3 2", "紬 1 1", "さくら 5 1", "律 1 1", "翠 3 2", "大翔 -2 1", "陽翔 -2 0",
        "陽葵 -2 0", "麗鷹 -4 1"}},
      {Ranking::Fortune,
       {"さくら 5 1", "蒼 3 2", "翠 3 2", "凛 1 1", "紬 1 1", "律 1 1", "大翔 -2 1", "陽翔 -2 0",
        "陽葵 -2 0", "麗鷹 -4 1"}},
  };
  for (const auto& [ranking, expected] : cases) {
    list_.setRanking(ranking);
    EXPECT_EQ(rows(), expected) << static_cast<int>(ranking);
  }
  const Candidate& last = list_[list_.size() - 1];
  EXPECT_EQ(last.grids, (GridValues{25, 37, 43, 31, 68}));
  EXPECT_EQ(list_.place(1), 2U);
}

TEST_F(CandidateListTest, FiltersAsAsked) {
  struct FilterCase {
    CandidateFilter filter;
    std::vector<std::string_view> names;
  };
  const std::vector<FilterCase> cases = {
      // by the estimate: 陽葵 ひなた is either's, 翠 すい a boy's though tagged both
      {{SexChoice::Boy, 0, "", "", true}, {"蒼", "律", "翠", "大翔", "陽翔", "陽葵", "麗鷹"}},
      {{SexChoice::Girl, 1, "", "", true}, {"凛", "紬", "蒼"}},
      {{SexChoice::Either, 2, "", "", false}, {"大翔", "陽翔", "陽葵", "侭子", "麗鷹"}},
      {{SexChoice::Either, 0, "ヒ", "", true}, {"大翔", "陽葵"}},
      {{SexChoice::Girl, 0, "ひな", "", true}, {"陽葵"}},
      {{SexChoice::Boy, 0, "ひま", "", true}, {}},
      {{SexChoice::Either, 0, "", "陽", true}, {"陽翔", "陽葵"}},
      {{SexChoice::Either, 0, "", "翔大", true}, {"大翔"}},
      {{SexChoice::Either, 0, "", "子", false}, {"侭子"}},
      // only readings their characters explain: 大翔 ひろと, not 陽葵 ひなた
      {{SexChoice::Either, 0, "ヒ", "", true, ReadingFit::AsRead}, {"大翔"}},
      {{SexChoice::Girl, 0, "ひな", "", true, ReadingFit::Loosely}, {}},
  };
  for (const FilterCase& c : cases) {
    list_.setFilter(c.filter);
    std::vector<std::string_view> names;
    names.reserve(list_.size());
    for (std::size_t row = 0; row < list_.size(); ++row) {
      names.push_back(list_.name(row).written);
    }
    EXPECT_EQ(names, c.names) << c.filter.readingStart << c.filter.containing;
  }
}

TEST_F(CandidateListTest, ReadsOutTheReadingsOfTheChosenSex) {
  list_.setFilter({SexChoice::Boy, 0, "", "翠", true});
  ASSERT_EQ(list_.size(), 1U);
  EXPECT_EQ(ReadingsFor(list_.name(0), list_.filter()), "すい");
  list_.setFilter({SexChoice::Either, 0, "", "陽葵", true});
  EXPECT_EQ(ReadingsFor(list_.name(0), list_.filter()), "ひなた・ひまり");
  EXPECT_EQ(BestFit(list_.name(0), list_.filter()), ReadingFit::Unexplained);
  list_.setFilter({SexChoice::Girl, 0, "", "陽葵", true});
  EXPECT_EQ(SexesFor(list_.name(0), list_.filter()), kBoy | kGirl);  // ひなた is either's
  list_.setFilter({SexChoice::Either, 0, "", "紬", true});
  CandidateFilter boys;
  boys.sex = SexChoice::Boy;
  EXPECT_EQ(SexesFor(list_.name(0), boys), 0);
  // Only the readings that the characters explain: 陽葵 has none, 大翔 ひろと (大 ひろ, 翔 と).
  list_.setFilter({SexChoice::Either, 0, "", "陽葵", true, ReadingFit::AsRead});
  EXPECT_EQ(list_.size(), 0U);
  list_.setFilter({SexChoice::Either, 0, "", "大翔", true, ReadingFit::AsRead});
  ASSERT_EQ(list_.size(), 1U);
  EXPECT_EQ(ReadingsFor(list_.name(0), list_.filter()), "ひろと");
}

TEST_F(CandidateListTest, OrdersByAColumnWithTheRankBreakingTies) {
  struct OrderCase {
    CandidateOrder order;
    bool ascending;
    std::vector<std::string_view> first;
  };
  const std::vector<OrderCase> cases = {
      {CandidateOrder::Soukaku, true, {"さくら", "律", "紬", "蒼"}},  // 32, 34, 36, 38
      {CandidateOrder::Future, false, {"さくら", "蒼", "翠", "凛"}},
      {CandidateOrder::Written, true, {"さくら", "凛", "大翔", "律"}},
      {CandidateOrder::Familiarity, true, {"さくら", "凛", "律", "蒼"}},
      {CandidateOrder::Reading, true, {"蒼", "さくら", "翠", "紬"}},
      {CandidateOrder::Rank, false, {"麗鷹", "陽葵", "陽翔", "大翔"}},
      {CandidateOrder::Fit, false, {"陽葵"}},  // the one no reading of which its characters explain
  };
  for (const OrderCase& c : cases) {
    list_.setOrder(c.order, c.ascending);
    std::vector<std::string_view> first;
    first.reserve(c.first.size());
    for (std::size_t row = 0; row < c.first.size(); ++row) {
      first.push_back(list_.name(row).written);
    }
    EXPECT_EQ(first, c.first) << static_cast<int>(c.order);
  }
}

}  // namespace
}  // namespace quendrel
