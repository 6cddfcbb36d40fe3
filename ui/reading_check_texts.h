// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/reading_check.h"

// What the program says of a reading against the characters of its name: an outcome in a few
// words, one line of what it means, and each character's part. It is a hint: the register office
// decides.
namespace quendrel {

inline constexpr std::string_view kFitHeader = "読み方";
// The longest reading a box takes for a name: past any given name's.
inline constexpr int kLongestTypedReading = 32;
inline constexpr std::string_view kAsReadOnly = "字の読みどおりだけ(&T)";
inline constexpr std::string_view kRecordedReading = "名前の辞書にある読み";
// What the stroke-count page says of a name until a reading is typed for it.
inline constexpr std::string_view kTypeAReading =
    "よみを入れると、名前の字の読みで説明できるかを調べます。";
// What every outcome is: a hint.
inline constexpr std::string_view kFitRule =
    "読み方は、名前の字の読み（音・訓・名乗り）で読みを説明できるかの目安です。受け付けるかは役所が"
    "決めます。";

// 「字の読みどおり」, 「一部の読み・読まない字を含む」 or 「字の読みで説明できない」.
std::string_view FitName(ReadingFit fit);

// Each character's part: 「陽：ひ（訓）　葵：まり（説明できない）」.
std::string ExplanationText(const ReadingExplanation& explanation);

// What the outcome means to a parent, in one line; where a part is unexplained, which.
std::string FitAdvice(const ReadingExplanation& explanation);

// A reading checked in full, as a card, the printout and a screen reader give it:
// 「ひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明できない））」.
std::string ReadingCheckLine(std::string_view written, std::string_view kana);

// How many readings have each outcome, best first, those with none left out: 「字の読みどおり 2」.
std::vector<std::string> FitCounts(std::span<const ReadingFit> fits);

// Readings checked in full, "　" between, and 「名前の辞書にある読み」 after where the dictionary
// records them all for the name: a recorded use is the evidence a register office asks for.
std::string ReadingCheckLines(std::string_view written, std::span<const std::string> readings,
                              bool recorded);

}  // namespace quendrel
