// SPDX-License-Identifier: MIT
#include "core/stroke_lookup.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/characters.h"

namespace quendrel {
namespace {

// The table in code-point order with each character once, holding the count of its last entry in
// position order, the one that wins: a lookup becomes a binary search instead of a scan of all
// 2,231 entries.
const std::vector<StrokeEntry>& EntriesByCharacter() {
  static const std::vector<StrokeEntry> index = [] {
    std::vector<StrokeEntry> sorted(StrokeTable().begin(), StrokeTable().end());
    std::ranges::stable_sort(sorted, {}, &StrokeEntry::character);
    std::vector<StrokeEntry> unique;
    for (const StrokeEntry& entry : sorted) {
      if (!unique.empty() && unique.back().character == entry.character) {
        unique.back() = entry;
      } else {
        unique.push_back(entry);
      }
    }
    return unique;
  }();
  return index;
}

}  // namespace

StrokeCount LookupStrokes(std::string_view character) {
  const std::u32string form = LookupForm(character);
  if (form.size() != 1) {
    return 0;  // every entry is one code point, so nothing else can match
  }
  const auto& entries = EntriesByCharacter();
  const auto match = std::ranges::lower_bound(entries, form.front(), {}, &StrokeEntry::character);
  return match != entries.end() && match->character == form.front() ? match->strokes : 0;
}

}  // namespace quendrel
