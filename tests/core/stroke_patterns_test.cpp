// SPDX-License-Identifier: MIT
#include "core/stroke_patterns.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/character_use.h"
#include "core/dictionary_load.h"
#include "core/name_characters.h"
#include "core/name_reading.h"
#include "tests/euc_jp.h"

namespace quendrel {
namespace {

// The first rows as "counts score 人格's-trend", e.g. "5·1 5 2".
std::vector<std::string> FirstRows(const StrokePatterns& patterns, std::size_t count) {
  std::vector<std::string> rows;
  for (std::size_t row = 0; row < std::min(count, patterns.size()); ++row) {
    const StrokePattern& p = patterns[row];
    std::string counts;
    for (std::size_t k = 0; k < p.length; ++k) {
      counts += (k == 0 ? "" : "·") + std::to_string(p.strokes.at(k));
    }
    rows.push_back(counts + " " + std::to_string(p.score) + " " + std::to_string(p.personality));
  }
  return rows;
}

StrokePatterns For(std::string_view surname) {
  StrokePatterns patterns;
  patterns.setSurname(CountNameStrokes(SplitName(surname)));
  return patterns;
}

// The score is 2 × 総格's trend (未来, 対人) + 外格's (仕事); a number outside 1 to 55 scores −3.
// 林 8: 8·16 gives 人格 16, 外格 16, 総格 32, all 急上昇; a one-character name has 外格 0.
// 佐藤 7·18: 外格 7 上昇 for any one character; 5·1 gives 人格 23 急上昇, 外格 8, 総格 31.
// 長谷川 8·7·3: 13·1 gives 人格 16, 外格 16, 総格 32; 4·1 人格 7 上昇, 総格 23.
// 鬱鷹 29·24: 総格 past 55 from three strokes on; 7·2 gives 人格 31 and 外格 31, so −3 −3 +2.
TEST(StrokePatterns, RanksByScoreThenJinkakuThenLengthThenCounts) {
  struct RankCase {
    std::string_view surname;
    std::vector<std::string> first;
  };
  const std::vector<RankCase> cases = {
      {"林", {"8·16 6 2", "23·1 6 2", "8·1·15 6 2", "8·2·14 6 2"}},
      {"佐藤", {"5·1 5 2", "6 5 1", "7 5 1", "3·4 5 1", "6·1 5 1", "3·1·3 5 1"}},
      {"長谷川", {"13·1 6 2", "4·1 6 1", "5·8 6 1", "12·1 6 1", "5·1·7 6 1"}},
      {"鬱鷹", {"1 -1 1", "2 -1 -2", "1·1 -2 1", "7·2 -4 2", "7·3 -4 2", "8·2 -4 2"}},
  };
  for (const RankCase& c : cases) {
    EXPECT_EQ(FirstRows(For(c.surname), c.first.size()), c.first) << c.surname;
  }
  EXPECT_EQ(For("佐藤")[0].grids, (GridValues{25, 23, 6, 8, 31}));
  EXPECT_EQ(For("鬱鷹")[3].grids, (GridValues{53, 31, 9, 31, 62}));

  // Under another rule the counts are those it gives, the surname's and a typed character's: 佐藤
  // 7·21 as the Kangxi dictionary counts 藤, and 四 as 4 with the numerals at their values.
  constexpr CountingRule kKangxi{CountingSchool::Kangxi, true};
  StrokePatterns kangxi{kKangxi};
  kangxi.setSurname(CountNameStrokes(SplitName("佐藤"), kKangxi));
  kangxi.setFilter({1, "四"});
  ASSERT_EQ(kangxi.size(), 1U);
  EXPECT_EQ(kangxi[0].strokes, (NameStrokes{4, 0, 0}));
  EXPECT_EQ(kangxi[0].grids, (GridValues{28, 25, 4, 7, 32}));
}

// 26 counts have characters (1 to 25 and 29), so 26 + 26² + 26³ patterns. Those holding a 1:
// 1 + (26² − 25²) + (26³ − 25³); three long with a 1 and a 3: 26³ − 2 × 25³ + 24³; with two 3s:
// 3·3, and 3 × 25 + 1 of three.
TEST(StrokePatterns, FiltersByLengthAndByTheCountsOfCharacters) {
  struct FilterCase {
    PatternFilter filter;
    std::vector<std::string> first;
    std::size_t size;
  };
  const std::vector<FilterCase> cases = {
      {{}, {"5·1 5 2"}, 18278},
      {{1, ""}, {"6 5 1", "7 5 1"}, 26},
      {{2, ""}, {"5·1 5 2", "3·4 5 1", "6·1 5 1"}, 676},
      {{0, "一"}, {"5·1 5 2", "6·1 5 1", "3·1·3 5 1", "3·3·1 5 1"}, 2003},
      {{3, "三一"}, {"3·1·3 5 1", "3·3·1 5 1"}, 150},
      {{0, "三三"}, {"3·1·3 5 1"}, 77},
      {{0, "一二三四"}, {}, 0},
      {{0, "A"}, {}, 0},
  };
  StrokePatterns patterns = For("佐藤");
  for (const FilterCase& c : cases) {
    patterns.setFilter(c.filter);
    EXPECT_EQ(FirstRows(patterns, c.first.size()), c.first) << c.filter.containing;
    EXPECT_EQ(patterns.size(), c.size) << c.filter.length << c.filter.containing;
  }
}

// The small dictionary's given names by counts: 陽葵 and 陽翔 12·12, さくら 3·1·3, 蒼 13; the
// familiarity source lacks 陽葵 as read there, and 翠 read すい.
TEST(StrokePatterns, CountsTheFamiliarDictionaryNamesAndRanksMoreNamesFirst) {
  std::istringstream stream{test::EucJp(test::kSmallDictionary)};
  const DictionaryLoad load = LoadNameDictionary(stream);
  StrokePatterns patterns = For("佐藤");
  patterns.countNames(load.names);
  EXPECT_EQ(FirstRows(patterns, 4),
            (std::vector<std::string>{"5·1 5 2", "3·1·3 5 1", "6 5 1", "7 5 1"}));
  const auto names = [&patterns](std::string_view containing) {
    patterns.setFilter({0, std::string{containing}});
    std::uint32_t sum = 0;
    for (std::size_t row = 0; row < patterns.size(); ++row) {
      sum += patterns[row].names;
    }
    return sum;
  };
  EXPECT_EQ(names("陽陽"), 1U);  // 12·12 only: 陽翔
  EXPECT_EQ(names("蒼"), 1U);
  EXPECT_EQ(names("蒼陽"), 0U);
  EXPECT_EQ(names("翠"), 0U);

  // A position's characters: those more familiar names hold there first, the rest as they were.
  const CharacterUse use{load.names};
  const auto first = [&use](int strokes, std::size_t position) {
    std::string characters;
    for (const NameCharacter* c : use.ordered(NameCharactersWithCount(strokes), position)) {
      characters += c->character;
      if (characters.size() >= 9) {
        break;
      }
    }
    return characters;
  };
  EXPECT_EQ(first(12, 0), "陽" + first(12, 2).substr(0, 6));  // 陽翔 begins with 陽
  EXPECT_EQ(first(12, 1), "翔" + first(12, 2).substr(0, 6));  // and 大翔 has 翔 second
  EXPECT_EQ(use.count(1, "翔"), 2U);
  EXPECT_EQ(use.count(0, "翠"), 0U);
}

TEST(NameCharacters, ListsTheCharactersOfACountByReading) {
  std::vector<std::string> one;
  for (const NameCharacter& c : NameCharactersWithCount(1)) {
    one.push_back(c.character + "(" + std::string{c.readings.substr(0, c.readings.find("・"))} +
                  ")");
  }
  EXPECT_EQ(
      one, (std::vector<std::string>{"乙(おと)", "一(かず)", "く(く)", "し(し)", "っ(っ)", "つ(つ)",
                                     "の(の)", "ノ(の)", "フ(ふ)", "へ(へ)", "ヘ(へ)", "レ(れ)"}));
  const auto has = [](int strokes, std::string_view character, CountingRule rule = {}) {
    return std::ranges::any_of(
        NameCharactersWithCount(strokes, rule),
        [character](const NameCharacter& c) { return c.character == character; });
  };
  EXPECT_TRUE(has(3, "川") && has(3, "ヶ") && has(12, "陽") && has(24, "鷹"));
  EXPECT_FALSE(has(3, "々") || has(3, "ゞ") || has(1, "ー") || has(1, "ゝ") || has(1, "ヽ"));
  constexpr CountingRule kKangxi{CountingSchool::Kangxi, false};
  EXPECT_TRUE(has(10, "花", kKangxi) && has(4, "四", {CountingSchool::Shinjitai, true}));
  EXPECT_FALSE(has(7, "花", kKangxi) || has(5, "四", {CountingSchool::Shinjitai, true}));
  EXPECT_EQ(LargestNameCharacterCount(), 29);  // 鬱
  EXPECT_TRUE(NameCharactersWithCount(26).empty() && NameCharactersWithCount(0).empty() &&
              NameCharactersWithCount(30).empty());
}

// Nanori first, then the kun stems (かな of かな.しい and かな.しむ), then the on readings; 神
// U+FA19's readings follow those of 神 U+795E, as NFC makes one of them.
TEST(NameCharacters, HoldsTheReadingsUsedInNames) {
  const auto readings = [](char32_t kanji) {
    const auto found = std::ranges::find(NameKanji(), kanji, &NameKanjiEntry::kanji);
    return found == NameKanji().end() ? "(none)" : ShownReadings(*found);
  };
  EXPECT_EQ(readings(U'亜'), "や・つぎ・つぐ・つ・あ");
  EXPECT_EQ(readings(U'川'), "か・こ・さわ・かわ・せん");
  EXPECT_EQ(readings(U'悲'), "かな・ひ");
  EXPECT_EQ(
      readings(U'神'),
      "か・かぐ・かな・かも・くま・こ・こは・だま・み・かみ・かん・こう・たましい・しん・じん");
  EXPECT_EQ(readings(U'\uFA19'), "(none)");
}

}  // namespace
}  // namespace quendrel
