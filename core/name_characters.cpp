// SPDX-License-Identifier: MIT
#include "core/name_characters.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <ranges>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/characters.h"
#include "core/name_strokes.h"

namespace quendrel {
namespace {

struct Range {
  char32_t first, last;
};

// The hiragana ぁ to ゖ and the katakana ァ to ヺ.
constexpr Range kKana[] = {{U'\u3041', U'\u3096'}, {U'\u30A1', U'\u30FA'}};
// ー and the repeat marks ゝ ゞ, ヽ ヾ and 々.
constexpr Range kMarks[] = {{U'\u309D', U'\u309E'}, {U'\u30FC', U'\u30FE'}, {U'\u3005', U'\u3005'}};

bool InRanges(std::span<const Range> ranges, char32_t c) {
  return std::ranges::any_of(ranges, [c](Range r) { return c >= r.first && c <= r.last; });
}

// ヷ ヸ ヹ ヺ have no hiragana of their own: theirs is that of ワ ヰ ヱ ヲ with the voiced mark.
std::string KanaSound(char32_t kana) {
  constexpr char32_t kVoicedWaDistance = U'ヷ' - U'ワ';
  if (kana >= U'ヷ' && kana <= U'ヺ') {
    return FoldKana(ToUtf8(std::u32string{kana - kVoicedWaDistance})) + "\u3099";
  }
  return FoldKana(ToUtf8(std::u32string{kana}));
}

std::string_view FirstReading(std::string_view readings) {
  return readings.substr(0, readings.find("・"));
}

// By the first reading, those without one last; UTF-8 compares in code-point order.
bool InReadingOrder(const NameCharacter& a, const NameCharacter& b) {
  const std::string_view first = FirstReading(a.readings);
  const std::string_view second = FirstReading(b.readings);
  return std::tuple{first.empty(), first, std::string_view{a.character}} <
         std::tuple{second.empty(), second, std::string_view{b.character}};
}

struct CountIndex {
  std::vector<std::vector<NameCharacter>> byCount;
};

CountIndex IndexByCount(CountingRule rule) {
  CountIndex index;
  std::vector<NameCharacter> characters;
  for (const NameKanjiEntry& entry : NameKanji()) {
    characters.push_back({ToUtf8(std::u32string{entry.kanji}), ShownReadings(entry)});
  }
  std::u32string kana;
  for (const Range range : kKana) {
    for (char32_t c = range.first; c <= range.last; ++c) {
      kana.push_back(c);
    }
  }
  for (const char32_t c : kana) {
    characters.push_back({ToUtf8(std::u32string{c}), KanaSound(c)});
  }
  for (NameCharacter& c : characters) {
    const auto strokes = static_cast<std::size_t>(
        std::max(CountNameStrokes({c.character, "", ""}, rule).strokes.front(), StrokeCount{0}));
    if (strokes == 0) {
      continue;
    }
    index.byCount.resize(std::max(index.byCount.size(), strokes + 1));
    index.byCount[strokes].push_back(std::move(c));
  }
  for (std::vector<NameCharacter>& same : index.byCount) {
    std::ranges::sort(same, InReadingOrder);
  }
  return index;
}

// Each rule's built when it is first asked for, a few milliseconds; call_once builds it once even
// when threads race to it.
const CountIndex& Index(CountingRule rule) {
  constexpr std::size_t kRules = 2 * kCountingSchools.size();  // with and without the numerals
  static std::array<std::once_flag, kRules> built;
  static std::array<CountIndex, kRules> indices;
  const std::size_t k =
      (static_cast<std::size_t>(rule.school) * 2) + static_cast<std::size_t>(rule.numeralsAsValues);
  std::call_once(built.at(k), [k, rule] { indices.at(k) = IndexByCount(rule); });
  return indices.at(k);
}

}  // namespace

std::string ShownReadings(const NameKanjiEntry& entry) {
  std::vector<std::string_view> shown;
  const auto add = [&shown](std::string_view readings, bool stems) {
    for (const auto part : std::views::split(readings, std::string_view{"・"})) {
      std::string_view reading{part.begin(), part.end()};
      reading = stems ? reading.substr(0, reading.find('.')) : reading;
      if (!reading.empty() && std::ranges::find(shown, reading) == shown.end()) {
        shown.push_back(reading);
      }
    }
  };
  add(entry.nanori, false);
  add(entry.kun, true);
  add(entry.on, false);
  std::string joined;
  for (const std::string_view reading : shown) {
    joined.append(joined.empty() ? "" : "・").append(reading);
  }
  return joined;
}

bool IsNameCharacter(std::string_view character) {
  const std::u32string form = LookupForm(character);
  if (form.size() != 1) {
    return false;
  }
  const char32_t c = form.front();
  return InRanges(kKana, c) || InRanges(kMarks, c) ||
         std::ranges::binary_search(NameKanji(), c, {}, &NameKanjiEntry::kanji);
}

std::span<const NameCharacter> NameCharactersWithCount(int strokes, CountingRule rule) {
  const auto& byCount = Index(rule).byCount;
  if (strokes <= 0 || std::cmp_greater_equal(strokes, byCount.size())) {
    return {};
  }
  return byCount[static_cast<std::size_t>(strokes)];
}

int LargestNameCharacterCount(CountingRule rule) {
  return static_cast<int>(Index(rule).byCount.size()) - 1;
}

}  // namespace quendrel
