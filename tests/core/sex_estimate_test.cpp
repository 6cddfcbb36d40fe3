// SPDX-License-Identifier: MIT
#include "core/sex_estimate.h"

#include <vector>

#include <gtest/gtest.h>

#include "core/characters.h"
#include "tests/printers.h"

namespace quendrel {
namespace {

using enum SexEstimate;
constexpr Sexes kBoth = kBoy | kGirl;

struct SexCase {
  const char* written;
  const char* kana;
  Sexes recorded;  // as ENAMDICT tags it, where it lists the name
  SexEstimate sex;
};

TEST(SexEstimate, ReadsTheWritingAndReadingBeforeTheTags) {
  // clang-format off
  const std::vector<SexCase> cases = {
      // Written endings hold against any tag; 子 read こ comes before the boys' ひこ.
      {"健介", "けんすけ", kGirl, Boy},   {"健太郎", "けんたろう", kBoth, Boy},
      {"颯太", "そうた", kGirl, Boy},     {"陽翔", "はると", kGirl, Boy},
      {"和一", "かずひと", kBoth, Boy},   {"由美", "ゆみ", kBoy, Girl},
      {"結菜", "ゆいな", kBoth, Girl},    {"汐里", "しおり", kBoth, Girl},
      {"朝日子", "あさひこ", kGirl, Girl}, {"真琴", "まこと", kGirl, Girl},
      // One-character names by character and reading.
      {"蓮", "れん", kGirl, Boy},         {"恋", "れん", kBoth, Girl},
      {"陸", "りく", kGirl, Boy},         {"紬", "つむぎ", kBoth, Girl},
      {"凪", "なぎ", kGirl, Either},
      // Whole readings, before the endings that would get them wrong.
      {"玲央", "れお", kGirl, Boy},       {"真央", "まお", kBoth, Girl},
      {"理央", "りお", kGirl, Either},    {"誠", "まこと", kGirl, Boy},
      {"拓海", "たくみ", kGirl, Boy},     {"豊", "ゆたか", kGirl, Boy},
      {"伊織", "いおり", kGirl, Either},  {"翼", "つばさ", kGirl, Either},
      // Reading endings: some firm, some only after two kana.
      {"悠真", "ゆうま", kGirl, Boy},     {"正隆", "まさたか", kBoth, Boy},
      {"博之", "ひろゆき", kBoth, Boy},   {"美幸", "みゆき", kBoth, Girl},
      // A leaning settles a tag of both and gives way to a tag of one sex.
      {"陽葵", "ひまり", kBoth, Girl},    {"泉", "いずみ", kBoy, Boy},
      {"拓也", "たくや", kBoth, Boy},     {"千尋", "ちひろ", kGirl, Girl},
      // Nothing said: the tags decide, and both or none leave either.
      {"小春", "こはる", kGirl, Girl},    {"小春", "こはる", kBoth, Either},
      {"小春", "こはる", 0, Either},
  };
  // clang-format on
  for (const SexCase& c : cases) {
    EXPECT_EQ(EstimateSex(c.written, c.kana, c.recorded), c.sex) << c.written << " " << c.kana;
  }
  EXPECT_LE(CountCharacters(SexRuleLine()), 60U);
}

}  // namespace
}  // namespace quendrel
