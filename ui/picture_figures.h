// SPDX-License-Identifier: MIT
#pragma once

#include "ui/element_id.h"
#include "ui/figure.h"

namespace quendrel {

// The 30 × 30 rating picture an Image element shows.
const Figure& PictureFigure(ElementId image);

}  // namespace quendrel
