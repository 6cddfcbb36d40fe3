// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ui/design/element_id.h"

// How a text box of the main window takes an edit, keeping to the most characters its definition
// allows as a box with a maximum length does: an edit that would leave too many is refused, and
// only as many of the first characters it inserted as fit go in instead. Texts and positions are
// in UTF-16 units, as the toolkit's are; characters are counted as a reader sees them
// (core/characters.h), so 𠮷 or か゛ is never split.
namespace quendrel {

// An edit as the box meets it: its text, the range [start, end) that the edit replaces (the
// selection, or the caret where they are equal), and the text after the edit with the caret after
// what it inserted. Typing, a paste or a commit replace that range; a drop first moves the caret
// to where it lands.
struct BoxEdit {
  std::u16string_view text;
  std::size_t start = 0, end = 0;
  std::u16string_view attempt;
  std::size_t caret = 0;
};

// A refused edit told apart: the text it kept before and after what it inserted.
struct Insertion {
  std::u16string before, inserted, after;
};

struct EditOutcome {
  bool taken = true;  // the box holds the attempt as it is
  // For a refused edit: its parts, where they could be told apart, and the start of its inserted
  // text that fits, which goes in in its place (empty when not one character fits).
  std::optional<Insertion> refused;
  std::u16string kept;
};

EditOutcome TakeEdit(ElementId box, const BoxEdit& edit);

// Whether a text has more characters than the box holds. It reads no further than that, so a
// huge paste costs no more than a short one.
bool Overfills(ElementId box, std::u16string_view text);

}  // namespace quendrel
