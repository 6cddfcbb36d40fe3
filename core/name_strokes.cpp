// SPDX-License-Identifier: MIT
#include "core/name_strokes.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "core/characters.h"
#include "core/stroke_lookup.h"
#include "core/supplementary_strokes.h"

namespace quendrel {
namespace {

struct RepeatMark {
  char32_t mark;
  StrokeCount added;  // ゞ and ヾ repeat the character before them voiced
  StrokeCount alone;  // the mark's own strokes, where nothing stands before it
};

constexpr std::array<RepeatMark, 5> kRepeatMarks = {{
    {U'々', 0, 3},
    {U'ゝ', 0, 1},
    {U'ヽ', 0, 1},
    {U'ゞ', 2, 3},
    {U'ヾ', 2, 3},
}};

constexpr char32_t kLongVowelMark = U'ー';
constexpr StrokeCount kLongVowelStrokes = 1;
constexpr char16_t kVoicedMark = u'\u3099';
constexpr char16_t kSemiVoicedMark = u'\u309A';
constexpr StrokeCount kVoicedAdded = 2;
constexpr StrokeCount kSemiVoicedAdded = 1;

// ぞ is そ with the combining voiced mark once decomposed; the plain form's count carries over.
StrokeCount VoicedKanaStrokes(char32_t character) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  icu::UnicodeString parts;
  if (U_FAILURE(status) != 0 ||
      nfd->getDecomposition(static_cast<UChar32>(character), parts) == 0 ||
      parts.countChar32() != 2) {
    return 0;
  }
  const char16_t mark = parts.charAt(parts.length() - 1);
  const StrokeCount plain = TableStrokes(static_cast<char32_t>(parts.char32At(0)));
  if (plain == 0) {
    return 0;
  }
  if (mark == kVoicedMark) {
    return plain + kVoicedAdded;
  }
  return mark == kSemiVoicedMark ? plain + kSemiVoicedAdded : 0;
}

// Unicode names each small kana after its full-size form ("HIRAGANA LETTER SMALL A" for ぁ), ゕ ヶ
// and the small katakana of Ainu among them; half-width kana are named otherwise and stay out.
StrokeCount SmallKanaStrokes(char32_t character) {
  std::array<char, 64> buffer{};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = u_charName(static_cast<UChar32>(character), U_UNICODE_CHAR_NAME,
                                    buffer.data(), buffer.size(), &status);
  std::string name(buffer.data(), U_SUCCESS(status) != 0 ? length : 0);
  static constexpr std::string_view kSmall = "SMALL ";
  const std::size_t small = name.find(kSmall);
  if (!(name.starts_with("HIRAGANA LETTER ") || name.starts_with("KATAKANA LETTER ")) ||
      small == std::string::npos) {
    return 0;
  }
  name.erase(small, kSmall.size());
  const UChar32 full = u_charFromName(U_UNICODE_CHAR_NAME, name.c_str(), &status);
  return U_SUCCESS(status) != 0 ? TableStrokes(static_cast<char32_t>(full)) : 0;
}

// A character the built-in table lacks, with the count of the one before it in the same name.
StrokeCount SupplementedStrokes(char32_t character, std::optional<StrokeCount> before) {
  const auto* const mark = std::ranges::find(kRepeatMarks, character, &RepeatMark::mark);
  if (mark != kRepeatMarks.end()) {
    if (!before) {
      return mark->alone;
    }
    return *before == 0 ? 0 : *before + mark->added;
  }
  if (character == kLongVowelMark) {
    return kLongVowelStrokes;
  }
  if (const StrokeCount kana = VoicedKanaStrokes(character); kana != 0) {
    return kana;
  }
  if (const StrokeCount kana = SmallKanaStrokes(character); kana != 0) {
    return kana;
  }
  return SupplementaryStrokes(character);
}

}  // namespace

NameCounts CountNameStrokes(const NameChars& chars, CountingRule rule) {
  NameCounts counts;
  std::optional<StrokeCount> before;
  for (std::size_t k = 0; k < chars.size() && !chars.at(k).empty(); ++k) {
    StrokeCount& strokes = counts.strokes.at(k);
    StrokeSource& source = counts.sources.at(k);
    const std::u32string form = LookupForm(chars.at(k));
    if (form.size() == 1) {
      strokes = TableStrokes(form.front());
      source = StrokeSource::BuiltIn;
      if (strokes == 0) {
        strokes = SupplementedStrokes(form.front(), before);
        source = StrokeSource::Supplement;
      }
    }
    if (strokes == 0) {
      source = StrokeSource::None;
    } else {
      strokes = SchoolStrokes(form.front(), strokes, rule);
    }
    before = strokes;
  }
  return counts;
}

}  // namespace quendrel
