// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

#include "core/stroke_table.h"

namespace quendrel {

// One character of the second table, packed into four bytes: its 97,000 rows stay in the
// program's read-only data and are paged in only where a lookup lands.
struct SupplementaryEntry {
  std::uint32_t character : 24;
  std::uint32_t strokes : 8;
};

// Generated from KANJIDIC2 and Unihan, in code-point order.
std::span<const SupplementaryEntry> SupplementaryTable();

// The count that the second table gives a code point in normalisation form C, or 0.
StrokeCount SupplementaryStrokes(char32_t character);

}  // namespace quendrel
