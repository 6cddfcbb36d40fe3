// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Which text an edit of a text box inserted, told apart from the text the box held before it and
// the text the edit would leave. Texts and positions are in UTF-16 units, as the toolkit's are.
namespace quendrel {

struct Insertion {
  std::u16string before, inserted, after;
};

// `text` is the box as the edit finds it, [start, end) the range the edit replaces (the
// selection, or the caret where they are equal), and `attempt` the text after the edit with the
// caret after the insertion. Typing, a paste or a commit replace that range; a drop first moves
// the caret to where it lands. Empty when the attempt is neither.
std::optional<Insertion> InsertionOf(std::u16string_view text, std::size_t start, std::size_t end,
                                     std::u16string_view attempt, std::size_t caret);

}  // namespace quendrel
