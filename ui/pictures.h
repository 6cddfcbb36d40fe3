// SPDX-License-Identifier: MIT
#pragma once

#include "ui/element_id.h"

namespace quendrel {

// Pixel data in XPM form, which Qt reads natively; each array is the text of one file in
// ui/pictures/.
using Xpm = const char* const*;

// The 30 × 30 rating picture an Image element shows.
Xpm PictureOf(ElementId image);

Xpm Icon32();
Xpm Icon16();

}  // namespace quendrel
