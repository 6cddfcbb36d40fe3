// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace quendrel {

struct Name {
  const char* surname;
  const char* given;
  const char* label;
};

// A short name, the longest shape from the built-in table, and the longest shape from the second
// table: kanji, a variant form outside the BMP, a voiced kana and a repeat mark.
inline constexpr std::array<Name, 3> kNames = {{
    {"山田", "太郎", "山田/太郎"},
    {"長谷川", "由美子", "長谷川/由美子"},
    {"𠮷髙﨑", "蓮ジ々", "𠮷髙﨑/蓮ジ々"},
}};

}  // namespace quendrel
