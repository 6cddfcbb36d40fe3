// SPDX-License-Identifier: MIT
#include "ui/shortlist_texts.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

// 佐藤 7·18 with 陽葵 12·12: 天格 25, 人格 30, 地格 24, 外格 19, 総格 49; with 凛 15: 天格 25,
// 人格 33, 地格 15, 総格 40 and 外格 40 − 33 = 7.
Shortlist ThreeNames() {
  Shortlist list;
  const auto setSurname = [&list](std::string_view surname) {
    list.setSurname(surname, CountNameStrokes(SplitName(surname)));
  };
  setSurname("鈴木");
  EXPECT_EQ(list.add("陽葵", "ひまり", true), 0U);
  EXPECT_EQ(list.add("凛"), 1U);
  EXPECT_EQ(list.add("陽葵かな"), 2U);  // kept as a box keeps it: 陽葵か
  EXPECT_EQ(list.add("陽葵"), 0U);      // kept once
  EXPECT_EQ(list.add(""), std::nullopt);
  list.move(2, 0);
  list.remove(0);
  setSurname("佐藤");  // every name read again
  return list;
}

TEST(ShortlistTexts, CopiesOneNameALineWithAHeader) {
  EXPECT_EQ(
      ShortlistText(ThreeNames()),
      "姓\t名\tよみ\t画数\t天格\t人格\t地格\t外格\t総格\t未来\t仕事\t対人\t読み方\t"
      "ほかの数え方\t鑑定\n"
      "佐藤\t陽葵\tひまり\t12・12\t25\t30\t24\t19\t49\t細糸運 現状維持\t転落運 急下降\t"
      "細糸運 現状維持\tひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明できない））、"
      "名前の辞書にある読み\t康熙字典では 天格 28、人格 38、地格 32、外格 22、総格 60、未来 なし、"
      "仕事 座礁運 下降、対人 なし\tとても良い思いをしていない感じですが、最後に笑うタイプです。 \n"
      "佐藤\t凛\t\t15\t25\t33\t15\t7\t40\t才知運 現状維持\t意志運 上昇\t"
      "才知運 現状維持\t\t康熙字典では 天格 28、人格 36、地格 15、外格 7、総格 43、"
      "未来 反感運 現状維持、仕事 意志運 上昇、対人 反感運 現状維持\t"
      "何でも豪快な、力強い、野生タイプです。 \n");
}

TEST(ShortlistTexts, SaysANameAsOneGroupAndHeadsThePrintout) {
  const Shortlist list = ThreeNames();
  EXPECT_EQ(
      ShortlistSpeech(list, 0),
      "佐藤 陽葵、ひまり。読み方 ひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明"
      "できない））、名前の辞書にある読み。画数 12・12、天格 25、人格 30、地格 24、外格 19、総格 49。"
      "未来 細糸運 現状維持、仕事 転落運 急下降、対人 細糸運 現状維持。"
      "康熙字典では 天格 28、人格 38、地格 32、外格 22、総格 60、未来 なし、仕事 座礁運 下降、"
      "対人 なし。とても良い思いをしていない感じですが、最後に笑うタイプです。 ");
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ShortlistCheckLines(list[0]),
            (Lines{"読み方 字の読みで説明できない", "陽：ひ（訓）　葵：まり（説明できない）",
                   "名前の辞書にある読み"}));
  EXPECT_EQ(ShortlistCheckLines(list[1]), Lines{"読み方 よみなし"});
  Shortlist several;
  several.add("大翔", "ひろと・はると・だいと");
  EXPECT_EQ(ShortlistCheckLines(several[0]),
            (Lines{"読み方 3通りの読み", "字の読みどおり 2", "字の読みで説明できない 1"}));
  EXPECT_EQ(PrintHeading(list), "名前の候補\u3000佐藤（7・18）");
  EXPECT_EQ(OtherCountingLines(several[0]), Lines{"ほかの数え方でも同じ数"});
  constexpr CountingRule kKangxi{CountingSchool::Kangxi, true};
  several.setSurname("佐藤", CountNameStrokes(SplitName("佐藤"), kKangxi), kKangxi);
  const Lines others = OtherCountingLines(several[0]);
  ASSERT_EQ(others.size(), 2U);
  EXPECT_TRUE(others[0].starts_with("新字体では 天格 25、") && others[1].starts_with("旧字体では"));
  EXPECT_TRUE(ShortlistText(several).starts_with("（康熙字典・漢数字は数の値で数えた画数）\n姓\t"));
  EXPECT_EQ(PrintHeading(several),
            "名前の候補\u3000佐藤（7・21）（康熙字典・漢数字は数の値で数えた画数）");
  EXPECT_EQ(PrintedDate(std::chrono::year{2026} / 12 / 1), "2026年12月1日");
}

}  // namespace
}  // namespace quendrel
