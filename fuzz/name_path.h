// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendrel::fuzzing {

// Runs one input through everything a user's text meets, on a fresh window model, and returns
// every broken rule. The first byte chooses what the rest is:
//   'w'  the two name boxes' text as UTF-16LE code units, split at the first U+FFFF, converted
//        as the window converts what is typed, lone surrogates included;
//   'a'  five little-endian 32-bit grid values (天格 人格 地格 外格 総格) for the appraisal alone;
//   else the two name boxes' text as raw bytes, split at the first 0xFF, which UTF-8 never holds.
std::vector<std::string> NamePathViolations(std::span<const std::uint8_t> input);

}  // namespace quendrel::fuzzing
