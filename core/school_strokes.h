// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/stroke_table.h"

namespace quendrel {

// How a name's strokes are counted. Books and sites each follow one school, which is why their
// numbers for the same name disagree.
enum class CountingSchool : std::uint8_t {
  Shinjitai,  // 新字体: each character as written today, the program's own count
  Kyujitai,   // 旧字体: a kanji that has a traditional form as that form (広 as 廣)
  Kangxi,     // 康熙字典: that form, its radical counted as the character it stands for (氵 as 水)
};

inline constexpr std::array kCountingSchools = {CountingSchool::Shinjitai, CountingSchool::Kyujitai,
                                                CountingSchool::Kangxi};

struct CountingRule {
  CountingSchool school = CountingSchool::Shinjitai;
  bool numeralsAsValues = false;  // 一 to 十 as the number they stand for (四 4, 十 10)

  friend bool operator==(const CountingRule&, const CountingRule&) = default;
};

// A kanji allowed in names that a traditional school counts otherwise: its traditional form
// (itself where it has none), that form's count (0 where it has none) and its 康熙字典 count.
struct SchoolEntry {
  char32_t kanji;
  char32_t traditional;
  std::uint8_t traditionalStrokes;
  std::uint8_t kangxiStrokes;
};

// Generated from KANJIDIC2 and Unihan, in code-point order.
std::span<const SchoolEntry> SchoolTable();

// The count of `character` (a code point in normalisation form C) under `rule`, given its count
// as written. A character that no school counts otherwise keeps that count; so does one that
// counts nothing (0).
StrokeCount SchoolStrokes(char32_t character, StrokeCount written, CountingRule rule);

}  // namespace quendrel
