// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/name_characters.h"
#include "core/stroke_patterns.h"

// What the page 「画数から」 shows of the patterns of counts and of the characters that fit them,
// without any toolkit.
namespace quendrel {

enum class PatternColumn : std::uint8_t {
  Rank,
  Strokes,
  Tenkaku,
  Jinkaku,
  Chikaku,
  Gaikaku,
  Soukaku,
  Future,
  Work,
  Relations,
  Names,
};

struct PatternColumnDefinition {
  PatternColumn column;
  std::string_view header;
};

inline constexpr std::array<PatternColumnDefinition, 11> kPatternColumns = {{
    {PatternColumn::Rank, "順位"},
    {PatternColumn::Strokes, "画数"},
    {PatternColumn::Tenkaku, "天格"},
    {PatternColumn::Jinkaku, "人格"},
    {PatternColumn::Chikaku, "地格"},
    {PatternColumn::Gaikaku, "外格"},
    {PatternColumn::Soukaku, "総格"},
    {PatternColumn::Future, "未来"},
    {PatternColumn::Work, "仕事"},
    {PatternColumn::Relations, "対人"},
    {PatternColumn::Names, "辞書の名前"},
}};

// A pattern's cell as the list shows it: 「12・12」, a number, 「躍進運 急上昇」, 「34件」.
std::string PatternCell(const StrokePatterns& patterns, std::size_t row, PatternColumn column);
// As a screen reader hears it: a number or a theme row after its caption ("天格 25").
std::string PatternCellHeard(const StrokePatterns& patterns, std::size_t row, PatternColumn column);

// How the patterns are ranked, in one line.
std::string_view PatternRule();

// A character as a position's list shows it, with the readings it is given in names:
// 「陽　ひ・あき・きよ」.
std::string CharacterItem(const NameCharacter& character);
// The caption of a position's list: 「1文字目 12画(&U)」, the access key by the position.
std::string PositionCaption(std::size_t position, int strokes);

}  // namespace quendrel
