// SPDX-License-Identifier: MIT
#include "core/stroke_lookup.h"

#include <algorithm>
#include <string>

#include "core/characters.h"

namespace quendrel {

StrokeCount LookupStrokes(std::string_view character) {
  const std::u32string form = LookupForm(character);
  if (form.size() != 1) {
    return 0;  // every entry is one code point, so nothing else can match
  }
  // Searching from the end finds the last match in position order, which is the one that wins.
  const auto entries = StrokeTable();
  const auto match = std::find_if(entries.rbegin(), entries.rend(), [&form](const StrokeEntry& e) {
    return e.character == form.front();
  });
  return match == entries.rend() ? 0 : match->strokes;
}

}  // namespace quendrel
