// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace quendrel {

struct Name {
  const char* surname;
  const char* given;
  const char* label;
};

// A short name and the longest shape, three characters each.
inline constexpr std::array<Name, 2> kNames = {{
    {"山田", "太郎", "山田/太郎"},
    {"長谷川", "由美子", "長谷川/由美子"},
}};

}  // namespace quendrel
