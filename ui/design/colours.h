// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace quendrel {

// A colour as the window, its pictures and the icon were designed in: red, green and blue, 0–255.
struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The named colours of the design, one home for all that use them.
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kOlive{192, 192, 0};
inline constexpr Rgb kDarkGrey{64, 64, 64};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kControlGrey{192, 192, 192};  // window background and button face
inline constexpr Rgb kLightControl{239, 239, 239};
inline constexpr Rgb kPaleYellow{255, 255, 128};

}  // namespace quendrel
