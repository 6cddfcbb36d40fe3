// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "ui/design/colours.h"

namespace quendrel {

// How the desktop asks for the window to be drawn: as designed, or with more contrast.
enum class Contrast : std::uint8_t { Designed, High };

// The high-contrast rendering of the same design, in the manner of the desktops' own high-contrast
// themes, dark on light: every ground turns white and every ink that reads below 7:1 on white is
// darkened, keeping its hue, so that the numbers (brown-gold), their captions (green), the three
// theme rows (blue, red, olive) and (姓) (名) (teal) stay told apart as the design tells them.
struct ContrastSwap {
  Rgb designed;
  Rgb high;
};
inline constexpr std::array<ContrastSwap, 8> kHighContrastSwaps = {{
    {kControlGrey, kWhite},   // the window's ground, the labels' and the button faces
    {kLightControl, kWhite},  // the About dialog's ground
    {kGrey, kDarkGrey},       // the About dialog's separator, 10:1
    {kRed, {160, 0, 0}},      // 仕事, 8.4:1
    {kOlive, {80, 80, 0}},    // 対人, 8.4:1
    {kYellow, {110, 70, 0}},  // the five numbers, 8.3:1
    {kGreen, {0, 96, 0}},     // their captions, 7.9:1
    {kTeal, {0, 90, 90}},     // (姓) (名), 8.0:1
}};

constexpr Rgb Shown(Rgb designed, Contrast contrast) {
  if (contrast == Contrast::Designed) {
    return designed;
  }
  const auto* const swap = std::ranges::find(kHighContrastSwaps, designed, &ContrastSwap::designed);
  return swap != kHighContrastSwaps.end() ? swap->high : designed;
}

}  // namespace quendrel
