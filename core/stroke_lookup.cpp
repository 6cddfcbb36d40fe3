// SPDX-License-Identifier: MIT
#include "core/stroke_lookup.h"

#include <algorithm>
#include <map>
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
    std::map<char32_t, StrokeCount> winners;
    for (const StrokeEntry& entry : StrokeTable()) {
      winners.insert_or_assign(entry.character, entry.strokes);
    }
    std::vector<StrokeEntry> unique;
    unique.reserve(winners.size());
    for (const auto& [character, strokes] : winners) {
      unique.push_back({character, strokes});
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
  return TableStrokes(form.front());
}

StrokeCount TableStrokes(char32_t character) {
  const auto& entries = EntriesByCharacter();
  const auto match = std::ranges::lower_bound(entries, character, {}, &StrokeEntry::character);
  return match != entries.end() && match->character == character ? match->strokes : 0;
}

}  // namespace quendrel
