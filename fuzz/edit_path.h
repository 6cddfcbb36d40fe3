// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendrel::fuzzing {

// Runs one edit of a name box through what the box does with an edit that would leave too many
// characters (it tells the inserted text apart, keeps what fits of it and puts that in) and
// returns every broken rule: the box holds more characters than it takes, what went in is not whole
// characters from the start of what was offered or stops short of what fits, or the text the
// edit did not replace has changed. The input:
//   byte 0      even: the edit replaces the selection (typing, a paste, a commit); odd: a drop,
//               which lands elsewhere and leaves the caret at the selection's start
//   bytes 1, 2  the selection's ends, in UTF-16 units, modulo the text's length plus one
//   byte 3      where a drop lands, the same way
//   the rest    UTF-16LE units: the box's text (cut to what the box holds, as it holds no
//               more) and the inserted text, split at the first U+FFFF.
std::vector<std::string> EditPathViolations(std::span<const std::uint8_t> input);

}  // namespace quendrel::fuzzing
