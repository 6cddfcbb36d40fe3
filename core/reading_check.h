// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Whether a reading can be told from the characters of a name: each character takes a part of the
// reading by one of its readings, so that a register office that asks how the name is read sees
// the tie. The readings are KANJIDIC2's, as the allowed-kanji table holds them.
namespace quendrel {

// How a character takes its part of a reading.
enum class ReadingKind : std::uint8_t { On, Kun, Nanori, Kana, Unread, Unexplained };

// How a part differs from the reading it comes from, as bits.
enum ReadingChange : std::uint8_t {
  kVoiced = 1U << 0U,      // its first kana voiced: つる → づる
  kSemiVoiced = 1U << 1U,  // は → ぱ
  kGeminated = 1U << 2U,   // its last つ く ち き as っ: いち → いっ
  kShortened = 1U << 3U,   // a long vowel shortened: ゆう → ゆ
  kPartial = 1U << 4U,     // the beginning of the reading only: こころ → ここ
};

struct ReadingPart {
  std::string written;  // one character; an unexplained part may hold several
  std::string kana;     // in hiragana; empty for a character left unread
  ReadingKind kind = ReadingKind::Unexplained;
  std::uint8_t changes = 0;  // ReadingChange bits
};

// The three outcomes, best first: every character read by one of its readings; only with the
// beginning of a reading or a character left unread, which the guidance accepts; not at all.
enum class ReadingFit : std::uint8_t { AsRead, Loosely, Unexplained };

struct ReadingExplanation {
  ReadingFit fit = ReadingFit::Unexplained;
  std::vector<ReadingPart> parts;  // in the order of the name's characters
};

// The likeliest explanation of `reading` (hiragana or katakana) for the name `written`: the one
// that changes the fewest readings. Where none holds, the parts that no reading explains are
// given as small as the rest allows. An empty name or reading has no explanation and no parts.
ReadingExplanation ExplainReading(std::string_view written, std::string_view reading);

// The outcome alone, as ExplainReading gives it, in less time: what a whole dictionary asks.
ReadingFit CheckReading(std::string_view written, std::string_view reading);

}  // namespace quendrel
