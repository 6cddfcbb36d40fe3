// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/stroke_table.h"

namespace quendrel {

// The stroke count of one character (UTF-8, as typed) by the last matching table entry, or 0.
StrokeCount LookupStrokes(std::string_view character);

// The built-in table's count of one code point in its lookup form, or 0.
StrokeCount TableStrokes(char32_t character);

}  // namespace quendrel
