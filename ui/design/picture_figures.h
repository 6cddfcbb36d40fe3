// SPDX-License-Identifier: MIT
#pragma once

#include "ui/design/element_id.h"
#include "ui/design/figure.h"

namespace quendrel {

// The 30 × 30 rating picture an Image element shows.
const Figure& PictureFigure(ElementId image);

}  // namespace quendrel
