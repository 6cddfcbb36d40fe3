// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quendrel {

// How the one-character-wide strip Label3 lays out its caption: one character per row. The
// half-width spaces of the filler would fall at a line break, where wrapping swallows them, so
// they take no row and each bracket stays level with the characters it sums.
std::string NameStripRows(std::string_view caption);

}  // namespace quendrel
