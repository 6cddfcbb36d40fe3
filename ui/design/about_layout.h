// SPDX-License-Identifier: MIT
#pragma once

#include "ui/design/colours.h"

// The About dialog frmAbout as it was designed, in twips from the top-left of its client area
// (ui/design/layout.h), with the colours it keeps in every theme.
namespace quendrel::about {

struct Place {
  int left, top, width, height;
};

// An etched separator is a line of a colour and width, from x1 to x2 at height y.
struct SeparatorLine {
  int x1, x2, y;
  Rgb colour;
  int width;
};

inline constexpr int kClientWidth = 5730;
inline constexpr int kClientHeight = 3555;

inline constexpr Place kPicIcon{240, 240, 540, 540};
inline constexpr Place kLblTitle{1050, 240, 3885, 480};
inline constexpr Place kLblVersion{1050, 780, 3885, 225};
inline constexpr Place kLblDescription{1050, 1125, 3885, 1170};
inline constexpr Place kLblDisclaimer{255, 2625, 3870, 825};
inline constexpr Place kCmdOK{4260, 2625, 1310, 345};

// Line1 index 1, a grey line, with Line1 index 0, a white one, just below it.
inline constexpr SeparatorLine kSeparatorShadow{90, 5654, 2445, kGrey, 1};
inline constexpr SeparatorLine kSeparatorLight{105, 5654, 2460, kWhite, 2};

// Drawn black on a light desktop's control colour, as Qt's light palette has it too, in every
// theme, as the main window keeps its grey: so its texts and its separator read as designed.
inline constexpr Rgb kGround = kLightControl;
inline constexpr Rgb kInk = kBlack;

}  // namespace quendrel::about
