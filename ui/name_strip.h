// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quendrel {

// How the one-character-wide strip Label3 lays out its caption, one row per line of the result:
// every piece of the name line takes a row of its own, a character, "☆" or the two-space filler
// alike, so that a short surname still fills rows 1 to 3 and the given name starts on row 4,
// level with the brackets that sum it.
std::string NameStripRows(std::string_view caption);

}  // namespace quendrel
