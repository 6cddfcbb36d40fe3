// SPDX-License-Identifier: MIT
#pragma once

#include "core/grids.h"
#include "core/name_parts.h"

namespace quendrel {

// What the stroke calculation leaves behind for the name line and for the appraisal. The stroke
// table itself is constant and needs no copy here.
struct WindowState {
  NameChars SurnameChars;
  NameChars GivenChars;
  NameStrokes SurnameStrokes{};
  NameStrokes GivenStrokes{};
  // The only link between the two commands: the appraisal reads these and nothing else.
  GridValues Grids;
};

}  // namespace quendrel
