// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stop_token>
#include <string_view>
#include <vector>

#include "core/name_record.h"
#include "core/name_strokes.h"

// The given names that can be candidates, from the records of whatever source was read.
namespace quendrel {

struct GivenNameReading {
  std::string_view kana;
  Sexes sexes;                // as the dictionary records it
  Sexes estimate;             // whom it is given to, by EstimateSex: both where it is either's
  Sexes firm;                 // the same where the rule is firm on its writing and reading alone
  std::uint16_t familiarity;  // the familiarity source's cost, kUnfamiliar where it lacks it
  ReadingFit fit;             // how the name's characters explain it
};

// Past every cost of the familiarity source: a name it lacks ranks after those it has.
inline constexpr std::uint16_t kUnfamiliar = UINT16_MAX;

// A list orders its names by keys that hold a name's index in 24 bits.
inline constexpr std::size_t kMostNames = std::size_t{1} << 24U;

// The written given names of one to three characters whose every character has a count, each
// once with all its readings, in the kana order of their first reading. Its names view its own
// storage, so it is moved (which keeps that storage where it is) or shared, never copied.
class NameDictionary {
 public:
  struct Name {
    std::string_view written;
    NameCounts counts;
    std::uint8_t length;                         // characters
    bool nameCharactersOnly;                     // every character one a child may be named with
    std::span<const GivenNameReading> readings;  // in kana order

    // Whether the familiarity source knows it with any of its readings.
    [[nodiscard]] bool familiar() const {
      return std::ranges::any_of(readings, [](const GivenNameReading& reading) {
        return reading.familiarity != kUnfamiliar;
      });
    }
  };

  NameDictionary() = default;
  // Counts each record's characters and adds what the familiarity source says of its readings.
  // A reading is listed where the records give it as a given name, or the familiarity source
  // knows it as one; a form of more than three characters is no candidate, one with a character
  // that nothing counts is left out, and so is any name past `most`. Once `stop` is asked for,
  // it leaves off and holds nothing.
  explicit NameDictionary(std::vector<NameRecord> records, const std::stop_token& stop = {},
                          std::size_t most = kMostNames);
  ~NameDictionary() = default;
  NameDictionary(const NameDictionary&) = delete;
  NameDictionary& operator=(const NameDictionary&) = delete;
  NameDictionary(NameDictionary&&) noexcept = default;
  NameDictionary& operator=(NameDictionary&&) noexcept = default;

  [[nodiscard]] std::size_t size() const { return names_.size(); }
  [[nodiscard]] const Name& operator[](std::size_t i) const { return names_[i]; }
  // Each name's place in kana order of its first reading estimated for these sexes (the names are
  // stored in that order for either); names with no such reading come last.
  [[nodiscard]] std::span<const std::uint32_t> kanaRanks(Sexes sexes) const;

  // Whether the records give this name this reading (hiragana) as a given name.
  [[nodiscard]] bool records(std::string_view written, std::string_view kana) const;

  // Counts every name's characters again as `rule` counts them; a dictionary is counted by the
  // default rule when it is made.
  void recount(CountingRule rule);

  // The names left out for a character that nothing counts, and past the most a list can hold.
  [[nodiscard]] std::size_t uncounted() const { return uncounted_; }
  [[nodiscard]] std::size_t beyondLimit() const { return beyondLimit_; }

 private:
  void rankInKanaOrder();
  void rankInKanaOrder(Sexes sexes);
  static std::size_t KanaRankIndex(Sexes sexes);

  // What the names and readings view; a vector keeps its buffer when it moves.
  std::vector<char> text_;
  std::vector<GivenNameReading> readings_;
  std::vector<Name> names_;
  std::array<std::vector<std::uint32_t>, 3> kanaRanks_;  // for either, boys, girls
  std::size_t uncounted_ = 0;
  std::size_t beyondLimit_ = 0;
};

}  // namespace quendrel
