// SPDX-License-Identifier: MIT
#pragma once

#include "core/name_parts.h"

namespace quendrel {

// How many characters of each name take part (1 to 3 each). It chooses the grid formulas, the
// name line and the diagram.
struct NameShape {
  int surname = 1;
  int given = 1;

  friend bool operator==(const NameShape&, const NameShape&) = default;
};

// Only the second and third counts decide: a 0 there (absent or unknown) ends its name just
// before it, while an unknown first character still counts as one.
NameShape ClassifyNameShape(const NameStrokes& surname, const NameStrokes& given);

}  // namespace quendrel
