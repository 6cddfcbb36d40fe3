// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a text box that holds at most so many characters takes an edit, counting characters as a
// reader sees them (core/characters.h). Texts are UTF-8.
namespace quendrel {

// Whether `text` has more than `limit` characters; it reads no further than that, so a huge
// paste costs no more than a short one.
bool ExceedsCharacters(std::string_view text, std::size_t limit);

// What of an insertion at the caret a box keeps, as a box with a maximum length does: the longest
// run of the inserted text's first characters that leaves at most `limit` characters between the
// text `before` and `after` the caret. Empty when not one character fits.
std::string FittingInsertion(std::string_view before, std::string_view inserted,
                             std::string_view after, std::size_t limit);

}  // namespace quendrel
