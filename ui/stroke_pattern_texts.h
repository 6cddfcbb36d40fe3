// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/name_characters.h"
#include "core/stroke_patterns.h"
#include "ui/reading_fields.h"

// What the page 「画数から」 shows of the patterns of counts and of the characters that fit them,
// without any toolkit.
namespace quendrel {

// The list's own columns, around the readings, and all its columns.
enum class PatternField : std::uint8_t { Rank, Strokes, Names };
using PatternColumn = ListColumn<PatternField>;
inline constexpr auto kPatternColumns = AroundReadings(
    std::array{PatternField::Rank, PatternField::Strokes}, std::array{PatternField::Names});

std::string_view HeaderOf(PatternField field);

// A pattern's cell as the list shows it: 「12・12」, a number, 「躍進運 急上昇」, 「34件」.
std::string PatternCell(const StrokePatterns& patterns, std::size_t row, PatternColumn column);
// As a screen reader hears it: the counts with 画, the rest after its header ("天格 25").
std::string PatternCellHeard(const StrokePatterns& patterns, std::size_t row, PatternColumn column);

// How the patterns are ranked, in one line.
std::string_view PatternRule();

// A character as a position's list shows it, with the readings it is given in names:
// 「陽　ひ・あき・きよ」.
std::string CharacterItem(const NameCharacter& character);
// The caption of a position's list: 「1文字目 12画(&U)」, the access key by the position.
std::string PositionCaption(std::size_t position, int strokes);

}  // namespace quendrel
