// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

#include "ui/design/colours.h"
#include "ui/design/contrast.h"

class QWidget;

namespace quendrel {

// The colours an element of the design is drawn with, as designed.
struct DesignedColours {
  Rgb ink;     // its text and lines
  Rgb ground;  // what it stands on
  Rgb face;    // a button's face
};

// The palette of an element of the main window or the About dialog: the theme's, with the
// design's ink, ground and face, or their high-contrast swaps. A button's caption then takes the
// ink that reads on the face its style paints.
void ShowInContrast(QWidget& element, const DesignedColours& colours, Contrast contrast);

// The palette of the candidates window, which follows the theme: the theme's own, dark themes
// included, or dark on white with every text at 7:1 or more, as the main window in high contrast.
[[nodiscard]] QPalette ThemedPalette(Contrast contrast);

}  // namespace quendrel
