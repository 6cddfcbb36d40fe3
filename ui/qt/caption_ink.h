// SPDX-License-Identifier: MIT
#pragma once

class QPushButton;

namespace quendrel {

// Gives a button's caption the ink that reads on the face its style paints. The design's black
// stays on the designed light faces, but some styles paint faces of their own whatever the
// palette says (adwaita-qt's dark and inverse variants paint them dark), and black would vanish
// there. It asks the style rather than drawing the button, which would cost the start a frame.
// Call it once the button has its palette and style.
void InkCaptionForFace(QPushButton& button);

}  // namespace quendrel
