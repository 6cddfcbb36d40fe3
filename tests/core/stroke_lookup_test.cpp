// SPDX-License-Identifier: MIT
#include "core/stroke_lookup.h"

#include <algorithm>
#include <array>
#include <ranges>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include "core/stroke_table.h"

namespace quendrel {
namespace {

struct LookupCase {
  std::string character;
  StrokeCount strokes;
};

TEST(StrokeLookup, FindsTheCountOfTheLastMatchingEntry) {
  const std::vector<LookupCase> cases = {
      {"一", 1}, {"曽", 11}, {"鷹", 24}, {"麒", 24},             // first, last, highest
      {"ぬ", 4}, {"極", 13}, {"監", 15},                         // doubled: the later wins
      {"そ", 4}, {"ち", 3},  {"に", 3},  {"ひ", 2},  {"む", 3},  // out of count order
      {"が", 5}, {"ぶ", 6},  {"タ", 3},  {"山", 3},  {"田", 5},
  };
  for (const LookupCase& c : cases) {
    EXPECT_EQ(LookupStrokes(c.character), c.strokes) << c.character;
  }
}

// Every character of the table, against a plain scan for its last entry in position order.
TEST(StrokeLookup, FindsEveryEntryByItsLastOccurrence) {
  const auto entries = StrokeTable();
  for (const StrokeEntry& entry : entries) {
    const auto last =
        std::ranges::find(entries | std::views::reverse, entry.character, &StrokeEntry::character);
    std::array<char, U8_MAX_LENGTH> buffer{};
    std::size_t length = 0;
    U8_APPEND_UNSAFE(buffer, length, entry.character);
    const std::string utf8(buffer.data(), length);
    ASSERT_EQ(LookupStrokes(utf8), last->strokes) << utf8;
  }
}

TEST(StrokeLookup, GivesZeroForWhatTheTableLacks) {
  const std::vector<std::string> absent = {
      "",       "ぞ",   "ぢ",
      "ぱ",     "ぴ",   "ぷ",
      "ぺ",     "ぼ",   "ぽ",
      "ガ",     "パ",   "々",
      "ー",     "ヶ",   "ぁ",
      "っ",     "ゃ",   "ァ",
      "ッ",     "ゐ",   "ゑ",
      "ｱ",      " ",    "\u3000",
      "0",      "A",    "a",
      "𠮷",     "葛",   "\uFA11",
      "\u3099", "山田", std::string(1, '\0'),
      "\xFF",
  };
  for (const std::string& character : absent) {
    EXPECT_EQ(LookupStrokes(character), 0) << character;
  }
}

TEST(StrokeLookup, ReadsCharactersAsTheReaderSeesThem) {
  const std::vector<LookupCase> cases = {
      {"か\u3099", 5},                      // decomposed が
      {"辺\U000E0100", 5},                  // an ideographic variant of 辺
      {"辺\uFE00", 5},     {"ｶ\uFF9E", 0},  // half-width voiced kana stays half-width
      {"\uFF76", 0},
  };
  for (const LookupCase& c : cases) {
    EXPECT_EQ(LookupStrokes(c.character), c.strokes) << c.character;
  }
}

}  // namespace
}  // namespace quendrel
