// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "core/name_parts.h"
#include "core/school_strokes.h"

namespace quendrel {

// Where a character's count comes from: the built-in table, or, for a character it lacks, the
// second table and the rules for kana and marks.
enum class StrokeSource : std::uint8_t { None, BuiltIn, Supplement };

using NameSources = std::array<StrokeSource, kNameLength>;

struct NameCounts {
  NameStrokes strokes{};
  NameSources sources{};
};

// The counts of one name's characters. The built-in table answers for every character it holds.
// For the others: a voiced kana counts its plain form + 2 (ぞ: そ + 2), a semi-voiced one + 1, a
// small kana as its full-size form; 々 ゝ ヽ repeat the count of the character before them in the
// same name and ゞ ヾ add 2 to it, while at the start of a name each counts its own strokes
// (々 3); ー is 1. Any other ideograph has the second table's count. What none of these knows
// stays 0, with the source None. A count is then taken as `rule` counts the character, and a
// repeat mark repeats that.
NameCounts CountNameStrokes(const NameChars& chars, CountingRule rule = {});

}  // namespace quendrel
