// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/design/colours.h"
#include "ui/design/element_id.h"

namespace quendrel {

// Positions and sizes are in twips from the top-left of the client area, as the window was
// designed; 15 twips make one device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;
constexpr int ToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

// The window text of a light desktop, which the design was drawn with. The elements that leave
// their ink to the system take it, since a dark theme's light ink would vanish on the fixed grey.
inline constexpr Rgb kWindowText = kBlack;

// Sizes in hundredths of a point; a size of 0 means the window's own font.
struct FontSpec {
  int centipoints = 0;
  bool bold = false;
};

enum class Alignment : std::uint8_t { Left, Centre };
// Whether a text box switches the Japanese input method off while it has the focus. The design
// switched it on in the name boxes; no toolkit can, so they leave it as the user set it.
enum class InputMethod : std::uint8_t { Untouched, Off };

struct ElementLayout {
  ElementId id;
  int left, top, width, height;
  FontSpec font;
  std::optional<Rgb> textColour;  // kWindowText when absent
  std::optional<Rgb> faceColour;  // buttons and the panel
  bool border;
  Alignment alignment;
  bool transparent;
  int tabIndex;  // -1 for elements outside the tab order
  InputMethod inputMethod;
};

struct LineLayout {
  ElementId id;
  int x1, y1, x2, y2;
};

inline constexpr int kClientWidth = 6870;
inline constexpr int kClientHeight = 6120;
inline constexpr Rgb kWindowBackground = kControlGrey;

// Every element but the lines and the menus, bottom of the stack first.
std::span<const ElementLayout> ElementLayouts();
const ElementLayout& LayoutOf(ElementId id);

// The elements that take the focus, the text boxes and buttons, in the order of their tab index.
std::vector<ElementId> TabOrder();

// The 39 diagram lines; all are drawn one pixel wide in kWindowText.
std::span<const LineLayout> LineLayouts();

}  // namespace quendrel
