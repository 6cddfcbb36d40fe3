// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/name_parts.h"
#include "core/name_shape.h"

namespace quendrel {

// The marks that fill the positions a short name leaves empty.
inline constexpr std::string_view kNameLineStar = "☆";
inline constexpr std::string_view kNameLineFiller = "  ";  // two half-width spaces

// The name as written down the vertical strip. The surname always fills three rows ("☆" before a
// one-character surname, two half-width spaces after a short one) so that the given name starts
// level with the brackets meant for it; "☆" follows a one-character given name.
std::string ComposeNameLine(NameShape shape, const NameChars& surname, const NameChars& given);

}  // namespace quendrel
