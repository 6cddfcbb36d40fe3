// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/design/figure.h"

namespace quendrel {

// The figure as a scalable SVG document whose user units are the figure's own, so that it draws
// the same shapes as the window does at any size.
std::string FigureSvg(const Figure& figure);

}  // namespace quendrel
