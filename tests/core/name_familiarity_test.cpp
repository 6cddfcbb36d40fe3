// SPDX-License-Identifier: MIT
#include "core/name_familiarity.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/historical_names.h"

namespace quendrel {
namespace {

struct FamiliarityCase {
  std::string_view written;
  std::string_view kana;
  std::optional<int> cost;
};

// The costs as the rows of Mozc 2.29.5160.102's dictionary00.txt to dictionary09.txt give them,
// 3000 more for a name that a common word, written alike and read otherwise, outnumbers, or that
// only persons born before 1868 bear.
TEST(NameFamiliarity, GivesTheLowestCostOfAGivenNameWrittenAndReadSo) {
  // clang-format off
  const std::vector<FamiliarityCase> cases = {
      {"陽翔", "はると", 5219},
      {"蓮", "れん", 3830},
      {"湊", "みなと", 4641},
      {"陽葵", "はるき", 5611},
      {"泉", "いずみ", 3850},              // and 9216
      {"梓", "あずさ", 4658},              // and 8954
      {"一年", "かずとし", 5568},          // 2568, and 一年 いちねん 2004
      {"野菜", "のな", 6396},              // 3396, and 野菜 やさい 3589, within 500
      {"光", "あきら", 5798},              // one character: 光 ひかり the word is no reason
      {"大和", "やまと", 4778},            // 大和 だいわ is a place, not a common word
      {"家康", "いえやす", 6345},          // 3345: 徳川家康 alone
      {"慶喜", "よしのぶ", 7518},          // 4518, and 慶喜 けいき too
      {"秀吉", "ひでよし", 3445},          // 豊臣秀吉, and a bearer born in 1900
      {"一輝", "いっき", 4298},            // 北一輝, born in 1883
      {"あい", "あい", 3819},              // the first row
      {"龍鳳", "りゅうほう", 5302},        // the last
      {"陽葵", "ひまり", std::nullopt},    // read only はるき
      {"翠", "すい", std::nullopt},        // read only みどり
      {"結翔", "ゆいと", std::nullopt},    // not there at all
      {"陽", "はると", std::nullopt},      // a written form that begins 陽翔
      {"奈", "なな", std::nullopt},        // 奈々 なな is there
      {"蓮", "レン", std::nullopt},        // readings are looked up in hiragana
      {"", "", std::nullopt},
      {"龍鳳龍", "りゅう", std::nullopt},  // past the last row
  };
  // clang-format on
  for (const FamiliarityCase& c : cases) {
    EXPECT_EQ(FamiliarityCost(c.written, c.kana), c.cost) << c.written << " " << c.kana;
  }
}

// Every row is found with its own cost, wherever its block begins or ends, or a historical
// person's name with more.
TEST(NameFamiliarity, FindsEveryRowOfTheTable) {
  std::string previous;
  std::size_t rows = 0;
  std::size_t raised = 0;
  for (std::string_view block : FamiliarityBlocks()) {
    ASSERT_TRUE(block.ends_with('\n'));
    for (std::size_t end = 0; !block.empty(); block.remove_prefix(end + 1), ++rows) {
      end = block.find('\n');
      const std::string_view row = block.substr(0, end);
      const std::size_t space = row.find(' ');
      const std::size_t second = row.find(' ', space + 1);
      const std::string key(row.substr(0, second));
      ASSERT_LT(previous, key) << "out of order";
      previous = key;
      const int cost = std::stoi(std::string(row.substr(second + 1)));
      const int found =
          FamiliarityCost(row.substr(0, space), row.substr(space + 1, second - space - 1))
              .value_or(-1);
      EXPECT_TRUE(found == cost || found == cost + 3000) << row;
      raised += found == cost ? 0 : 1;
    }
  }
  EXPECT_EQ(rows, 53944U);
  EXPECT_EQ(raised, HistoricalNames().size());
}

TEST(NameFamiliarity, LevelsACostByTheQuantilesOfENAMDICTsNames) {
  const std::vector<std::pair<std::optional<int>, int>> cases = {
      {std::nullopt, 0}, {2476, 3}, {5342, 3}, {5343, 2}, {6777, 2}, {6778, 1}, {10934, 1},
  };
  for (const auto& [cost, level] : cases) {
    EXPECT_EQ(FamiliarityLevel(cost), level) << cost.value_or(-1);
  }
}

}  // namespace
}  // namespace quendrel
