// SPDX-License-Identifier: MIT
#include "core/name_characters.h"

#include <algorithm>
#include <string>

#include "core/characters.h"

namespace quendrel {
namespace {

struct Range {
  char32_t first, last;
};

// The hiragana ぁ to ゖ, ゝ ゞ, the katakana ァ to ヺ, ー ヽ ヾ, and 々.
constexpr Range kNameKana[] = {
    {U'\u3041', U'\u3096'}, {U'\u309D', U'\u309E'}, {U'\u30A1', U'\u30FA'},
    {U'\u30FC', U'\u30FE'}, {U'\u3005', U'\u3005'},
};

bool IsNameKana(char32_t c) {
  return std::ranges::any_of(kNameKana, [c](Range r) { return c >= r.first && c <= r.last; });
}

}  // namespace

bool IsNameCharacter(std::string_view character) {
  const std::u32string form = LookupForm(character);
  if (form.size() != 1) {
    return false;
  }
  const char32_t c = form.front();
  return IsNameKana(c) || std::ranges::binary_search(NameKanji(), c);
}

}  // namespace quendrel
