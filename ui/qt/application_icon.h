// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace quendrel {

// The window icon of both windows: the 16- and 32-pixel bitmaps, and on a screen that scales,
// both figures drawn at its device pixel ratio.
QIcon ApplicationIcon(qreal devicePixelRatio);

}  // namespace quendrel
