// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/reading_check.h"

// A given name as the program keeps it, whatever file it was read from: its written form and
// each of its readings with what is known of it. A source's format is read into these records by
// its own reader; nothing past that reader knows the source's tags.
namespace quendrel {

// Who a reading is given to, as bits: both where it is given to either.
using Sexes = std::uint8_t;
inline constexpr Sexes kBoy = 1;
inline constexpr Sexes kGirl = 2;

struct ReadingRecord {
  std::string kana;  // hiragana
  Sexes sexes = 0;   // as the source records it; none where it does not say it is a given name
  // How often the name is met with this reading, from another source: lower is more often.
  std::optional<int> familiarity = std::nullopt;
  // How the characters of the name explain it, once a dictionary has listed it.
  ReadingFit fit = ReadingFit::Unexplained;

  friend bool operator==(const ReadingRecord&, const ReadingRecord&) = default;
};

struct NameRecord {
  std::string written;                  // UTF-8, as the source writes it
  std::vector<ReadingRecord> readings;  // each reading once, in kana order

  friend bool operator==(const NameRecord&, const NameRecord&) = default;
};

}  // namespace quendrel
