// SPDX-License-Identifier: MIT
#include "core/school_strokes.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/characters.h"
#include "core/name_characters.h"
#include "core/name_reading.h"

namespace quendrel {
namespace {

constexpr CountingRule kShinjitai{CountingSchool::Shinjitai, false};
constexpr CountingRule kKyujitai{CountingSchool::Kyujitai, false};
constexpr CountingRule kKangxi{CountingSchool::Kangxi, false};

struct SchoolCase {
  NameChars chars;
  NameStrokes shinjitai, kyujitai, kangxi;
};

// Each expanded radical, a traditional form with and without one, characters no school changes.
TEST(CountingSchools, CountEachCharacterAsTheSchoolDoes) {
  // clang-format off
  const std::vector<SchoolCase> cases = {
      {{"慎", "拓", "海"}, {13, 8, 9}, {13, 8, 10}, {14, 9, 11}},    // 忄 扌 氵; 愼, 海 U+FA45
      {{"猫", "玲", "祐"}, {11, 9, 9}, {11, 9, 10}, {13, 10, 10}},   // 犭 王 礻; 祐 U+FA4F
      {{"罪", "胸", "花"}, {13, 10, 7}, {13, 10, 7}, {14, 12, 10}},  // 罒 ⺼ 艹
      {{"裕", "辺", "遥"}, {12, 5, 12}, {12, 19, 14}, {13, 22, 17}}, // 衤 辶; 邊, 遙
      {{"沢", "浜", "煙"}, {7, 10, 13}, {16, 17, 13}, {17, 18, 13}}, // 澤 濱; 烟 is no old form
      {{"陽", "郎", "藤"}, {12, 9, 18}, {12, 14, 18}, {17, 14, 21}}, // 阝 left, 郞 with 阝 right
      {{"広", "国", "福"}, {5, 8, 13}, {15, 11, 14}, {15, 11, 14}},  // radicals not expanded
      {{"泰", "求", "王"}, {10, 7, 4}, {10, 7, 4}, {9, 6, 4}},       // counted beyond 水 and 玉
      {{"水", "心", "育"}, {4, 4, 8}, {4, 4, 8}, {4, 4, 10}},
      {{"花", "々", "子"}, {7, 7, 3}, {7, 7, 3}, {10, 10, 3}},       // 々 repeats the school's count
      {{"髙", "𠮷", "A"}, {11, 6, 0}, {11, 6, 0}, {11, 6, 0}},      // outside the name kanji
      {{"四", "十", "一"}, {5, 2, 1}, {5, 2, 1}, {5, 2, 1}},
  };
  // clang-format on
  for (const SchoolCase& c : cases) {
    const std::string name = c.chars[0] + c.chars[1] + c.chars[2];
    EXPECT_EQ(CountNameStrokes(c.chars, kShinjitai).strokes, c.shinjitai) << name;
    EXPECT_EQ(CountNameStrokes(c.chars, kKyujitai).strokes, c.kyujitai) << name;
    EXPECT_EQ(CountNameStrokes(c.chars, kKangxi).strokes, c.kangxi) << name;
  }
  const NameChars numerals{"四", "十", "八"};
  EXPECT_EQ(CountNameStrokes(numerals, {CountingSchool::Kangxi, true}).strokes,
            (NameStrokes{4, 10, 8}));
}

// Each row as the lookup needs it: in code-point order, once, a name kanji, a traditional count
// exactly where there is another form, and every count within what a kanji has.
TEST(CountingSchools, HoldEachNameKanjiOnceInOrder) {
  constexpr int kMostStrokes = 40;
  char32_t previous = 0;
  for (const SchoolEntry& entry : SchoolTable()) {
    const std::string kanji = ToUtf8(std::u32string{entry.kanji});
    EXPECT_LT(previous, entry.kanji) << kanji;
    previous = entry.kanji;
    EXPECT_TRUE(IsNameCharacter(kanji)) << kanji;
    EXPECT_EQ(entry.traditionalStrokes != 0, entry.traditional != entry.kanji) << kanji;
    EXPECT_LE(entry.traditionalStrokes, kMostStrokes) << kanji;
    EXPECT_TRUE(entry.kangxiStrokes > 0 && entry.kangxiStrokes <= kMostStrokes) << kanji;
  }
  EXPECT_EQ(SchoolTable().size(), 1060U);
}

// No kanji of the first four names has a traditional form; 渡辺's 辺 has.
TEST(CountingSchools, GiveEachSchoolsFiveNumbers) {
  struct FiveNumbers {
    std::string_view surname, given;
    CountingRule rule;
    GridValues grids;
  };
  // clang-format off
  const std::vector<FiveNumbers> cases = {
      {"佐藤", "陽葵", kShinjitai, {25, 30, 24, 19, 49}},
      {"佐藤", "陽葵", kKyujitai, {25, 30, 24, 19, 49}},
      {"佐藤", "陽葵", kKangxi, {28, 38, 32, 22, 60}},
      {"鈴木", "蓮", kShinjitai, {17, 17, 13, 13, 30}},
      {"鈴木", "蓮", kKyujitai, {17, 17, 13, 13, 30}},
      {"鈴木", "蓮", kKangxi, {17, 21, 17, 13, 34}},
      {"高橋", "湊", kShinjitai, {26, 28, 12, 10, 38}},
      {"高橋", "湊", kKyujitai, {26, 28, 12, 10, 38}},
      {"高橋", "湊", kKangxi, {26, 29, 13, 10, 39}},
      {"田中", "結菜", kShinjitai, {9, 16, 23, 16, 32}},
      {"田中", "結菜", kKyujitai, {9, 16, 23, 16, 32}},
      {"田中", "結菜", kKangxi, {9, 16, 26, 19, 35}},
      {"渡辺", "大翔", kShinjitai, {17, 8, 15, 24, 32}},
      {"渡辺", "大翔", kKyujitai, {31, 22, 15, 24, 46}},
      {"渡辺", "大翔", kKangxi, {35, 25, 15, 25, 50}},
      {"広田", "国男", kKyujitai, {20, 16, 18, 22, 38}},
  };
  // clang-format on
  for (const FiveNumbers& c : cases) {
    EXPECT_EQ(ReadName(SplitName(c.surname), SplitName(c.given), c.rule).grids, c.grids)
        << c.surname << c.given << static_cast<int>(c.rule.school);
  }
}

}  // namespace
}  // namespace quendrel
