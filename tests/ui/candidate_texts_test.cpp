// SPDX-License-Identifier: MIT
#include "ui/candidate_texts.h"

#include <sstream>

#include <gtest/gtest.h>

#include "core/name_reading.h"
#include "tests/euc_jp.h"

namespace quendrel {
namespace {

TEST(CandidateTexts, CountsMatchesWithThousandsSeparated) {
  EXPECT_EQ(MatchCount(0), "0件");
  EXPECT_EQ(MatchCount(999), "999件");
  EXPECT_EQ(MatchCount(1234), "1,234件");
  EXPECT_EQ(MatchCount(147639), "147,639件");
  EXPECT_EQ(MatchCount(1000000), "1,000,000件");
}

// 陽葵 with 佐藤: 12·12, 天格 25, 人格 30, 地格 24, 外格 19 and 総格 49.
TEST(CandidateTexts, ShowsARowAndSaysItAsOneLine) {
  std::istringstream stream{test::EucJp(test::kSmallDictionary)};
  const DictionaryLoad load = LoadNameDictionary(stream);
  CandidateList list{load.names};
  list.setSurname(CountNameStrokes(SplitName("佐藤")));
  list.setFilter({SexChoice::Girl, 0, "", "陽葵", true});
  ASSERT_EQ(list.size(), 1U);
  EXPECT_EQ(CandidateCell(list, 0, CandidateOrder::Rank), "1");
  EXPECT_EQ(CandidateCell(list, 0, CandidateOrder::Strokes), "12・12");
  EXPECT_EQ(CandidateSpeech(list, 0),
            "陽葵 ひなた・ひまり 女の子 12・12 天格 25 人格 30 地格 24 外格 19 総格 49 "
            "未来 細糸運 現状維持 仕事 転落運 急下降 対人 細糸運 現状維持");
  list.setFilter({SexChoice::Either, 0, "", "麗鷹", true});  // 総格 68
  EXPECT_EQ(CandidateCell(list, 0, CandidateOrder::Future), "なし");
  EXPECT_EQ(CandidateCell(list, 0, CandidateOrder::Sex), "男の子");
}

}  // namespace
}  // namespace quendrel
