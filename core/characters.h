// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A name is read as its reader sees it: one character is one extended grapheme cluster, so 𠮷
// (outside the BMP), か + U+3099 and 葛 + U+E0100 are each a single character. Text is UTF-8;
// malformed sequences read as U+FFFD, so every text these functions return is valid UTF-8.
namespace quendrel {

// The first `count` characters of `text`, each as typed; fewer when the text is shorter.
std::vector<std::string> FirstCharacters(std::string_view text, std::size_t count);

// `text` cut after its first `count` characters.
std::string TruncateCharacters(std::string_view text, std::size_t count);

std::size_t CountCharacters(std::string_view text);

// The code points of UTF-8 text, a malformed sequence as U+FFFD, and back.
std::u32string CodePoints(std::string_view utf8);
std::string ToUtf8(std::u32string_view text);

// Between the toolkit's UTF-16 and UTF-8, unit for unit: a leading U+FEFF is a character, not a
// byte order mark, and a lone surrogate reads as U+FFFD, one unit for one.
std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view utf8);

// The form in which a character is compared with the stroke table: normalisation form C with its
// variation selectors removed. Nothing else is folded: width, case and kana type stay as typed.
std::u32string LookupForm(std::string_view character);

// A text's first eight bytes as one number, in the text's byte order where neither holds a 0, so
// that a sort compares integers and the texts themselves only where those agree.
std::uint64_t BytePrefix(std::string_view text);

// Katakana folded to hiragana, so that readings compare alike in either script.
std::string FoldKana(std::string_view text);

}  // namespace quendrel
