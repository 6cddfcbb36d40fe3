// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendrel::fuzzing {

// Reads one input as a name dictionary (EUC-JP, a line an entry), line by line and whole, ranks
// its names for a surname and returns every broken rule.
std::vector<std::string> DictionaryPathViolations(std::span<const std::uint8_t> input);

}  // namespace quendrel::fuzzing
