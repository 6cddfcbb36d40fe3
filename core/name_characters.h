// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace quendrel {

// The kanji allowed in a given name (the jōyō and jinmeiyō kanji), in normalisation form C and in
// code-point order. Generated from KANJIDIC2.
std::span<const char32_t> NameKanji();

// Whether a child may be named with this character (UTF-8, one character as read): one of those
// kanji, a hiragana, a katakana, ー, or one of the repeat marks 々 ゝ ゞ ヽ ヾ.
bool IsNameCharacter(std::string_view character);

}  // namespace quendrel
