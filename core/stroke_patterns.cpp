// SPDX-License-Identifier: MIT
#include "core/stroke_patterns.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

#include "core/characters.h"
#include "core/name_characters.h"
#include "core/name_finder.h"
#include "core/name_reading.h"

namespace quendrel {
namespace {

constexpr auto kNoPattern = std::numeric_limits<std::uint32_t>::max();

// Ranking sorts integers: the worse score, the worse trend of 人格, the fewer names, then the
// pattern's index, which is already the order of length and counts.
constexpr unsigned kIndexBits = 24;
constexpr unsigned kNameBits = 24;
constexpr std::uint64_t kMostNames = (std::uint64_t{1} << kNameBits) - 1;  // beyond any dictionary

std::uint64_t RankKey(const StrokePattern& pattern, std::uint32_t index) {
  const auto worse = [](std::int8_t score) { return static_cast<std::uint64_t>(INT8_MAX - score); };
  const std::uint64_t fewer = kMostNames - std::min<std::uint64_t>(pattern.names, kMostNames);
  return (((((worse(pattern.score) << 8U) | worse(pattern.personality)) << kNameBits) | fewer)
          << kIndexBits) |
         index;
}

// A pattern holds the characters when each of their counts finds a position of its own.
bool Fits(const std::vector<StrokeCount>& counts, const StrokePattern& pattern) {
  NameStrokes free = pattern.strokes;
  return std::ranges::all_of(counts, [&free](StrokeCount strokes) {
    auto* const position = std::ranges::find(free, strokes);
    if (strokes == 0 || position == free.end()) {
      return false;
    }
    *position = 0;
    return true;
  });
}

}  // namespace

StrokePatterns::StrokePatterns(CountingRule rule)
    : rule_(rule), largest_(static_cast<std::size_t>(LargestNameCharacterCount(rule))) {
  std::vector<bool> made(largest_ + 1);
  for (std::size_t strokes = 1; strokes <= largest_; ++strokes) {
    made[strokes] = !NameCharactersWithCount(static_cast<int>(strokes), rule).empty();
  }
  std::size_t slots = 1;
  for (std::uint8_t length = 1; length <= kNameLength; ++length) {
    slots *= largest_;
    for (std::size_t at = 0; at < slots; ++at) {
      StrokePattern pattern;
      pattern.length = length;
      // The slot's digits in base `largest_`, the first position the most significant.
      for (std::size_t rest = at, k = length; k-- > 0; rest /= largest_) {
        pattern.strokes.at(k) = static_cast<StrokeCount>((rest % largest_) + 1);
      }
      const bool possible =
          std::all_of(pattern.strokes.begin(), pattern.strokes.begin() + length,
                      [&made](StrokeCount s) { return made[static_cast<std::size_t>(s)]; });
      slots_.push_back(possible ? static_cast<std::uint32_t>(patterns_.size()) : kNoPattern);
      if (possible) {
        patterns_.push_back(pattern);
      }
    }
  }
}

// Slots run as the constructor made them: all of one character, then of two, then of three.
std::size_t StrokePatterns::slot(std::size_t length, const NameStrokes& strokes) const {
  std::size_t before = 0;
  std::size_t slots = 1;
  std::size_t at = 0;
  for (std::size_t k = 0; k < length; ++k) {
    before += slots * static_cast<std::size_t>(k != 0);
    slots *= largest_;
    at = (at * largest_) + static_cast<std::size_t>(strokes.at(k) - 1);
  }
  return before + at;
}

void StrokePatterns::countNames(const NameDictionary& dictionary) {
  for (StrokePattern& pattern : patterns_) {
    pattern.names = 0;
  }
  for (std::size_t name = 0; name < dictionary.size(); ++name) {
    const NameDictionary::Name& n = dictionary[name];
    const auto* const end = n.counts.strokes.begin() + n.length;
    if (!n.familiar() || n.length == 0 || n.length > kNameLength ||
        !std::all_of(n.counts.strokes.begin(), end,
                     [this](StrokeCount s) { return s > 0 && std::cmp_less_equal(s, largest_); })) {
      continue;
    }
    if (const std::uint32_t pattern = slots_[slot(n.length, n.counts.strokes)];
        pattern != kNoPattern) {
      ++patterns_[pattern].names;
    }
  }
  if (!ranked_.empty()) {
    rank();
  }
}

void StrokePatterns::setSurname(const NameCounts& surname) {
  for (StrokePattern& pattern : patterns_) {
    pattern.grids = ReadName(surname, NameCounts{pattern.strokes, {}}).grids;
    const ReadingScore score = ScoreGrids(pattern.grids);
    pattern.score = score.score;
    pattern.personality = score.personality;
  }
  rank();
}

void StrokePatterns::setFilter(const PatternFilter& filter) {
  filter_ = filter;
  show();
}

void StrokePatterns::rank() {
  std::vector<std::uint64_t> keys;
  keys.reserve(patterns_.size());
  for (std::uint32_t index = 0; index < patterns_.size(); ++index) {
    keys.push_back(RankKey(patterns_[index], index));
  }
  std::ranges::sort(keys);
  constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;
  ranked_.resize(keys.size());
  std::ranges::transform(keys, ranked_.begin(), [](std::uint64_t key) {
    return static_cast<std::uint32_t>(key & kIndexMask);
  });
  show();
}

void StrokePatterns::show() {
  // One more character than a name holds, so that too many never fit.
  std::vector<StrokeCount> counts;
  for (const std::string& character : FirstCharacters(filter_.containing, kNameLength + 1)) {
    counts.push_back(CountNameStrokes({character, "", ""}, rule_).strokes.front());
  }
  shown_.clear();
  std::ranges::copy_if(ranked_, std::back_inserter(shown_), [this, &counts](std::uint32_t index) {
    const StrokePattern& pattern = patterns_[index];
    return (filter_.length == 0 || std::cmp_equal(filter_.length, pattern.length)) &&
           Fits(counts, pattern);
  });
}

}  // namespace quendrel
