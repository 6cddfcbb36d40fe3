// SPDX-License-Identifier: MIT
#pragma once

#include "ui/design/figure.h"

namespace quendrel {

// The application icon, drawn for 32 × 32 and for 16 × 16 pixels.
const Figure& Icon32Figure();
const Figure& Icon16Figure();

// The bitmaps alone.
inline Xpm Icon32() {
  return Icon32Figure().bitmap;
}
inline Xpm Icon16() {
  return Icon16Figure().bitmap;
}

}  // namespace quendrel
