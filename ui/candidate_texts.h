// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/name_finder.h"

// What the window 「名前の候補」 shows of a candidate list, without any toolkit: its columns and
// their cells, what a screen reader hears of a row, and its fixed texts.
namespace quendrel {

// The main window's menu item that opens the window, under メニュー（&M） before 終了(&X).
inline constexpr std::string_view kCandidatesMenuItem = "名前の候補(&N)…";

// A column, which is also what a click on its header orders the list by, and its header.
struct CandidateColumnDefinition {
  CandidateOrder column;
  std::string_view header;
};

inline constexpr std::array<CandidateColumnDefinition, 13> kCandidateColumns = {{
    {CandidateOrder::Rank, "順位"},
    {CandidateOrder::Written, "名前"},
    {CandidateOrder::Reading, "よみ"},
    {CandidateOrder::Sex, "性別"},
    {CandidateOrder::Strokes, "画数"},
    {CandidateOrder::Tenkaku, "天格"},
    {CandidateOrder::Jinkaku, "人格"},
    {CandidateOrder::Chikaku, "地格"},
    {CandidateOrder::Gaikaku, "外格"},
    {CandidateOrder::Soukaku, "総格"},
    {CandidateOrder::Future, "未来"},
    {CandidateOrder::Work, "仕事"},
    {CandidateOrder::Relations, "対人"},
}};

// A name's counts as 「12・12」, a character that nothing counts as 「？」.
std::string CountsCell(const NameStrokes& counts, std::size_t length);
// A theme row as its fortune's name and trend, 「躍進運 急上昇」, or 「なし」 for a number with
// none.
std::string ThemeCell(const GridValues& grids, AppraisalTheme theme);

// The five numbers and then the three theme rows, in the order every list of readings shows
// them: 天格, 人格, 地格, 外格, 総格 as numbers, 未来, 仕事, 対人 as ThemeCell gives them.
inline constexpr std::size_t kReadingFields = 8;
std::string ReadingCell(const GridValues& grids, std::size_t field);

// A cell as the list shows it: the counts as 「12・12」, a theme row as its fortune's name and
// trend (「躍進運 急上昇」), or 「なし」 for a number with no fortune.
std::string CandidateCell(const CandidateList& list, std::size_t row, CandidateOrder column);

// A cell as a screen reader hears it: a number or a theme row with its caption first
// ("天格 25", "未来 躍進運 急上昇"); a name, its readings and its counts are clear without.
std::string CandidateCellHeard(const CandidateList& list, std::size_t row, CandidateOrder column);

// A row as one line for a screen reader: "陽葵 ひまり 女の子 12・12 天格 … 未来 躍進運 急上昇 …".
std::string CandidateSpeech(const CandidateList& list, std::size_t row);

// "1,234件".
std::string MatchCount(std::size_t count);

// The window's own lines: the ranking rule and the dictionary's credit.
std::string_view RankingRule();
std::string_view DictionaryCredit();

}  // namespace quendrel
