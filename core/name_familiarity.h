// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace quendrel {

// The given names of Mozc's dictionary, one to three kana or kanji long, as rows
// "written reading cost\n" in UTF-8 byte order of (written, reading), in blocks of whole rows.
// Generated from Debian's mozc source package.
std::span<const std::string_view> FamiliarityBlocks();

}  // namespace quendrel
