// SPDX-License-Identifier: MIT
#pragma once

#include "ui/element_id.h"
#include "ui/figure.h"

namespace quendrel {

// The 30 × 30 rating picture an Image element shows.
const Figure& PictureFigure(ElementId image);

// The application icon, drawn for 32 × 32 and for 16 × 16 pixels.
const Figure& Icon32Figure();
const Figure& Icon16Figure();

// The bitmaps alone.
inline Xpm PictureOf(ElementId image) {
  return PictureFigure(image).bitmap;
}
inline Xpm Icon32() {
  return Icon32Figure().bitmap;
}
inline Xpm Icon16() {
  return Icon16Figure().bitmap;
}

}  // namespace quendrel
