// SPDX-License-Identifier: MIT
#pragma once

#include "core/grids.h"
#include "core/name_parts.h"
#include "core/name_shape.h"
#include "core/name_strokes.h"

namespace quendrel {

// What the stroke calculation leaves in the main window for the name line, the accessible names
// and the appraisal. The stroke table itself is constant and needs no copy here.
struct WindowState {
  NameChars SurnameChars;
  NameChars GivenChars;
  NameStrokes SurnameStrokes{};
  NameStrokes GivenStrokes{};
  NameSources SurnameSources{};  // which counts the second table gave, for the boxes' tooltips
  NameSources GivenSources{};
  NameShape Shape;  // as classified from the counts
  // The only link between the two commands: the appraisal reads these and nothing else.
  GridValues Grids;
  // How 画数計算 counts, as the menu chooses it.
  CountingRule Counting;
};

}  // namespace quendrel
