// SPDX-License-Identifier: MIT
// The stroke table is a transcription; these checks hold it to the facts published beside it.
#include "core/stroke_table.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace quendrel {
namespace {

bool IsKanji(char32_t c) {
  return c >= U'\u4E00' && c <= U'\u9FFF';
}
bool IsHiragana(char32_t c) {
  return c >= U'\u3041' && c <= U'\u3096';
}
bool IsKatakana(char32_t c) {
  return c >= U'\u30A1' && c <= U'\u30FA';
}

void ExpectEntries(const std::vector<std::pair<int, StrokeEntry>>& expected) {
  for (const auto& [position, entry] : expected) {
    EXPECT_EQ(StrokeEntryAt(position).character, entry.character) << position;
    EXPECT_EQ(StrokeEntryAt(position).strokes, entry.strokes) << position;
  }
}

TEST(StrokeTable, HoldsEveryPositionFrom16To2246) {
  EXPECT_EQ(StrokeTable().size(), 2231U);
  const std::vector<std::pair<int, StrokeEntry>> anchors = {{16, {U'一', 1}},
                                                            {18, {U'く', 1}},
                                                            {114, {U'そ', 4}},
                                                            {2228, {U'麒', 24}},
                                                            {2246, {U'曽', 11}}};
  ExpectEntries(anchors);
}

TEST(StrokeTable, HasThePublishedNumberOfEntriesPerCount) {
  const std::map<StrokeCount, int> expected = {
      {1, 11},  {2, 47},   {3, 74},   {4, 85},   {5, 104},  {6, 126},  {7, 157},  {8, 201},
      {9, 193}, {10, 213}, {11, 214}, {12, 217}, {13, 159}, {14, 121}, {15, 111}, {16, 72},
      {17, 39}, {18, 39},  {19, 24},  {20, 13},  {21, 6},   {22, 2},   {23, 1},   {24, 2}};
  std::map<StrokeCount, int> actual;
  for (const StrokeEntry& entry : StrokeTable()) {
    ++actual[entry.strokes];
  }
  EXPECT_EQ(actual, expected);
  const auto oneDigit = std::ranges::count_if(
      StrokeTable(), [](const StrokeEntry& entry) { return entry.strokes < 10; });
  EXPECT_EQ(oneDigit, 998);
}

TEST(StrokeTable, HasOnlyKanjiAndFullWidthKanaInThePublishedNumbers) {
  int kanji = 0;
  int hiragana = 0;
  int katakana = 0;
  for (const StrokeEntry& entry : StrokeTable()) {
    kanji += IsKanji(entry.character) ? 1 : 0;
    hiragana += IsHiragana(entry.character) ? 1 : 0;
    katakana += IsKatakana(entry.character) ? 1 : 0;
  }
  EXPECT_EQ(kanji, 2121);
  EXPECT_EQ(hiragana, 64);
  EXPECT_EQ(katakana, 46);

  const std::u32string excluded =
      U"々ゝゞーヶぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮゐゑヰヱガギグゲゴザジズゼゾダヂヅデドバビブベボ"
      U"パピプペポヴぞぢぱぴぷぺぼぽｱｲｳ 　0A";
  for (const char32_t c : excluded) {
    EXPECT_EQ(std::ranges::count(StrokeTable(), c, &StrokeEntry::character), 0)
        << static_cast<std::uint32_t>(c);
  }
}

TEST(StrokeTable, DoublesExactlyThreeCharactersWithTheLaterCountLast) {
  std::map<char32_t, std::vector<int>> positions;
  for (int position = kFirstStrokePosition; position <= kLastStrokePosition; ++position) {
    positions[StrokeEntryAt(position).character].push_back(position);
  }
  EXPECT_EQ(positions.size(), 2228U);
  std::map<char32_t, std::vector<int>> doubled;
  for (const auto& [character, at] : positions) {
    if (at.size() > 1) {
      doubled.emplace(character, at);
    }
  }
  const std::map<char32_t, std::vector<int>> expected = {
      {U'ぬ', {128, 221}}, {U'極', {1506, 1687}}, {U'監', {1845, 1969}}};
  EXPECT_EQ(doubled, expected);
  const std::vector<std::pair<int, StrokeCount>> counts = {{128, 3},   {221, 4},   {1506, 12},
                                                           {1687, 13}, {1845, 14}, {1969, 15}};
  for (const auto& [position, strokes] : counts) {
    EXPECT_EQ(StrokeEntryAt(position).strokes, strokes) << position;
  }
}

TEST(StrokeTable, RunsByAscendingCountOutsideThePublishedExceptions) {
  const std::set<int> exceptions = {114, 115, 116, 117, 218};
  StrokeCount previous = 0;
  for (int position = kFirstStrokePosition; position < 2229; ++position) {
    if (exceptions.contains(position)) {
      continue;
    }
    EXPECT_GE(StrokeEntryAt(position).strokes, previous) << position;
    previous = StrokeEntryAt(position).strokes;
  }
  const std::vector<std::pair<int, StrokeEntry>> outOfOrder = {{114, {U'そ', 4}},
                                                               {115, {U'ち', 3}},
                                                               {116, {U'に', 3}},
                                                               {117, {U'ひ', 2}},
                                                               {218, {U'む', 3}}};
  ExpectEntries(outOfOrder);
}

TEST(StrokeTable, EndsWithVoicedHiraganaTwoAboveTheirUnvoicedForms) {
  const std::u32string tail = U"ぐじづべごでどびがげざずぜぎだばぶ";
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const StrokeEntry& voiced = StrokeEntryAt(2229 + static_cast<int>(i));
    EXPECT_EQ(voiced.character, tail[i]);
    // In Unicode each voiced hiragana directly follows its unvoiced form.
    const char32_t unvoiced = voiced.character - 1;
    const auto plain = std::ranges::find(StrokeTable(), unvoiced, &StrokeEntry::character);
    ASSERT_NE(plain, StrokeTable().end()) << i;
    EXPECT_EQ(voiced.strokes, plain->strokes + 2) << i;
  }
  EXPECT_EQ(StrokeEntryAt(2246).character, U'曽');
}

}  // namespace
}  // namespace quendrel
