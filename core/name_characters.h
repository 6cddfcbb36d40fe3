// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/school_strokes.h"

namespace quendrel {

// A kanji's readings of each kind, in hiragana with "・" between; a kun reading has a "." before
// its okurigana (つ.ぐ).
struct NameKanjiEntry {
  char32_t kanji;
  std::string_view on, kun, nanori;
};

// The kanji allowed in a given name (the jōyō and jinmeiyō kanji), in normalisation form C and in
// code-point order, each with its readings. Generated from KANJIDIC2.
std::span<const NameKanjiEntry> NameKanji();

// A kanji's readings as a list shows them, "・" between: those used in names first, then the kun
// readings' stems before the okurigana, then the on readings, each once.
std::string ShownReadings(const NameKanjiEntry& entry);

// Whether a child may be named with this character (UTF-8, one character as read): one of those
// kanji, a hiragana, a katakana, ー, or one of the repeat marks 々 ゝ ゞ ヽ ヾ.
bool IsNameCharacter(std::string_view character);

struct NameCharacter {
  std::string character;  // UTF-8
  std::string readings;   // a kanji's as ShownReadings gives them; a kana's its own sound
};

// The characters a child may be named with (kanji, hiragana, katakana; not ー nor the repeat marks,
// whose count depends on what precedes them) that count `strokes` as the first character of a
// given name, by CountNameStrokes under `rule`, ordered by their first reading in kana order, then
// by code point; those without a reading come last.
std::span<const NameCharacter> NameCharactersWithCount(int strokes, CountingRule rule = {});

// The largest count among those characters.
int LargestNameCharacterCount(CountingRule rule = {});

}  // namespace quendrel
