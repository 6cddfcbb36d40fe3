// SPDX-License-Identifier: MIT
#include "core/name_strokes.h"

#include <vector>

#include <gtest/gtest.h>

namespace quendrel {
namespace {

constexpr StrokeSource B = StrokeSource::BuiltIn;
constexpr StrokeSource S = StrokeSource::Supplement;
constexpr StrokeSource N = StrokeSource::None;

struct NameCase {
  NameChars chars;
  NameStrokes strokes;
  NameSources sources;
};

TEST(NameStrokes, AsksTheSecondTableAndTheKanaRulesOnlyForWhatTheBuiltInTableLacks) {
  // clang-format off
  const std::vector<NameCase> cases = {
      {{"蓮", "湊", "凛"}, {13, 12, 15}, {S, S, S}},    // KANJIDIC2
      {{"𠮷", "髙", "\uFA11"}, {6, 11, 12}, {S, S, S}},  // Unihan, Unihan, KANJIDIC2's 﨑
      {{"麒", "極", "侮"}, {24, 13, 9}, {B, B, B}},      // where the sources count otherwise
      {{"佐", "々", "木"}, {7, 7, 4}, {B, S, B}},
      {{"々", "々", "々"}, {3, 3, 3}, {S, S, S}},
      {{"A", "々", "😀"}, {0, 0, 0}, {N, N, N}},        // nothing to repeat
      {{"い", "ゞ", "ヾ"}, {2, 4, 6}, {B, S, S}},
      {{"ゝ", "ヽ", "ゞ"}, {1, 1, 3}, {S, S, S}},
      {{"ぞ", "パ", "ヴ"}, {6, 3, 5}, {S, S, S}},       // そ 4, ハ 2, ウ 3
      {{"そ\u3099", "は\u309A", "ヷ"}, {6, 5, 4}, {S, S, S}},
      {{"ジ", "ョ", "ー"}, {5, 3, 1}, {S, S, S}},
      {{"ぁ", "ヶ", "ㇰ"}, {3, 3, 2}, {S, S, S}},       // あ, ケ, ク
      {{"ゐ", "ｱ", "ｰ"}, {0, 0, 0}, {N, N, N}},         // no count in any source; half-width
      {{"山", "", ""}, {3, 0, 0}, {B, N, N}},
  };
  // clang-format on
  for (const NameCase& c : cases) {
    const NameCounts counts = CountNameStrokes(c.chars);
    EXPECT_EQ(counts.strokes, c.strokes) << c.chars[0] << c.chars[1] << c.chars[2];
    EXPECT_EQ(counts.sources, c.sources) << c.chars[0] << c.chars[1] << c.chars[2];
  }
}

}  // namespace
}  // namespace quendrel
