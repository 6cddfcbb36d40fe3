// SPDX-License-Identifier: MIT
#include "core/school_strokes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quendrel {
namespace {

constexpr std::array<std::pair<char32_t, StrokeCount>, 10> kNumerals = {{
    {U'一', 1},
    {U'二', 2},
    {U'三', 3},
    {U'四', 4},
    {U'五', 5},
    {U'六', 6},
    {U'七', 7},
    {U'八', 8},
    {U'九', 9},
    {U'十', 10},
}};

const SchoolEntry* EntryOf(char32_t character) {
  const auto entries = SchoolTable();
  const auto match = std::ranges::lower_bound(entries, character, {}, &SchoolEntry::kanji);
  return match != entries.end() && match->kanji == character ? &*match : nullptr;
}

}  // namespace

StrokeCount SchoolStrokes(char32_t character, StrokeCount written, CountingRule rule) {
  if (written == 0) {
    return 0;
  }
  if (rule.numeralsAsValues) {
    const auto* const numeral =
        std::ranges::find(kNumerals, character, &std::pair<char32_t, StrokeCount>::first);
    if (numeral != kNumerals.end()) {
      return numeral->second;
    }
  }
  const SchoolEntry* const entry = EntryOf(character);
  if (entry == nullptr) {
    return written;
  }
  switch (rule.school) {
    case CountingSchool::Shinjitai:
      break;
    case CountingSchool::Kyujitai:
      return entry->traditionalStrokes != 0 ? entry->traditionalStrokes : written;
    case CountingSchool::Kangxi:
      return entry->kangxiStrokes;
  }
  return written;
}

}  // namespace quendrel
