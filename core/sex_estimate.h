// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/name_record.h"

// Whether a reading of a given name is a boy's, a girl's or either's, told from how it is written
// and read. ENAMDICT's tags are too loose to list names by alone: はると is tagged a girl's on four
// of its seven forms, みなと a girl's thirty times and a boy's once, and g (either) sits mostly on
// old men's names. The rule reads the written form and the reading first; the tags only settle
// what the rule leaves open.
namespace quendrel {

enum class SexEstimate : std::uint8_t { Boy, Girl, Either };

// What the written form and reading alone say. A firm verdict stands against any tag; a leaning
// gives way to a tag of one sex alone, and settles a tag of both.
struct SexVerdict {
  SexEstimate sex;
  bool firm;

  friend bool operator==(const SexVerdict&, const SexVerdict&) = default;
};

// None where the rule has nothing to say. `written` is UTF-8, `kana` in hiragana.
std::optional<SexVerdict> JudgeSex(std::string_view written, std::string_view kana);

// The rule's verdict with the source's tags: where it says nothing or only leans, a tag of one sex
// alone decides, and a tag of both, or none, leaves either.
SexEstimate EstimateSex(std::string_view written, std::string_view kana, Sexes recorded);
// The same from the rule's verdict, where it is at hand.
SexEstimate EstimateSex(const std::optional<SexVerdict>& verdict, Sexes recorded);

// The rule in one line, for the window.
std::string_view SexRuleLine();

}  // namespace quendrel
