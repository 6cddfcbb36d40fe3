// SPDX-License-Identifier: MIT
#include "core/supplementary_strokes.h"

#include <algorithm>

namespace quendrel {

StrokeCount SupplementaryStrokes(char32_t character) {
  const auto entries = SupplementaryTable();
  const auto match = std::ranges::partition_point(
      entries,
      [character](const SupplementaryEntry& entry) { return entry.character < character; });
  return match != entries.end() && match->character == character ? match->strokes : 0;
}

}  // namespace quendrel
