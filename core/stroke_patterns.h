// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/grids.h"
#include "core/name_dictionary.h"
#include "core/name_strokes.h"

// The given names a surname could take, by their counts alone: every pattern of one to three
// counts that the allowed characters can make, read with the surname as a candidate is and
// ranked as the candidates are, so that a name can be composed from the best counts.
namespace quendrel {

struct StrokePattern {
  NameStrokes strokes{};  // the given name's counts, 0 past its length
  std::uint8_t length = 0;
  GridValues grids;
  std::int8_t score = 0;        // as a candidate's
  std::int8_t personality = 0;  // as a candidate's
  std::uint32_t names = 0;      // familiar dictionary names with exactly these counts
};

struct PatternFilter {
  int length = 0;          // characters; 0 for any
  std::string containing;  // characters whose counts must all fit distinct positions

  friend bool operator==(const PatternFilter&, const PatternFilter&) = default;
};

// Ranked by score, then by the trend of 人格's number, best first, as the candidates are; then
// those more dictionary names have first, then the shorter, then the smaller counts position by
// position. A count that no allowed character has makes no pattern.
class StrokePatterns {
 public:
  // Every pattern, each count from 1 to LargestNameCharacterCount(rule), the characters counted
  // under `rule`; none is listed until a surname is set.
  explicit StrokePatterns(CountingRule rule = {});

  // Counts each name of the dictionary that the familiarity source knows into the pattern of its
  // counts.
  void countNames(const NameDictionary& dictionary);
  void setSurname(const NameCounts& surname);
  void setFilter(const PatternFilter& filter);

  [[nodiscard]] CountingRule rule() const { return rule_; }
  [[nodiscard]] std::size_t size() const { return shown_.size(); }
  // In rank order among those that pass the filter.
  [[nodiscard]] const StrokePattern& operator[](std::size_t row) const {
    return patterns_[shown_[row]];
  }

 private:
  [[nodiscard]] std::size_t slot(std::size_t length, const NameStrokes& strokes) const;
  void rank();
  void show();

  CountingRule rule_;
  std::size_t largest_ = 0;
  std::vector<StrokePattern> patterns_;  // by length, then by counts
  std::vector<std::uint32_t> slots_;     // every length and counts: its pattern, or kNoPattern
  std::vector<std::uint32_t> ranked_;    // empty until a surname is set
  std::vector<std::uint32_t> shown_;
  PatternFilter filter_;
};

}  // namespace quendrel
