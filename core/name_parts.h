// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "core/stroke_table.h"

namespace quendrel {

// A surname or given name is read as at most three characters; element 0 is the first.
inline constexpr std::size_t kNameLength = 3;

using NameChars = std::array<std::string, kNameLength>;
using NameStrokes = std::array<StrokeCount, kNameLength>;

}  // namespace quendrel
