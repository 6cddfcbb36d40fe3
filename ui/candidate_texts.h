// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/name_finder.h"
#include "ui/reading_fields.h"

// What the window 「名前の候補」 shows of a candidate list, without any toolkit: its columns and
// their cells, what a screen reader hears of a row, and its fixed texts.
namespace quendrel {

// The main window's menu item that opens the window, under メニュー（&M） before 終了(&X).
inline constexpr std::string_view kCandidatesMenuItem = "名前の候補(&N)…";

// The list's own columns, before the readings, and all its columns.
enum class CandidateField : std::uint8_t { Rank, Written, Reading, Fit, Sex, Familiarity, Strokes };
using CandidateColumn = ListColumn<CandidateField>;
inline constexpr auto kCandidateColumns = AroundReadings(std::array{
    CandidateField::Rank, CandidateField::Written, CandidateField::Reading, CandidateField::Fit,
    CandidateField::Sex, CandidateField::Familiarity, CandidateField::Strokes});

std::string_view HeaderOf(CandidateField field);
// What a click on a column's header orders the list by.
CandidateOrder OrderOf(CandidateColumn column);

// A name's counts as 「12・12」, a character that nothing counts as 「？」.
std::string CountsCell(const NameStrokes& counts, std::size_t length);
// The longest such cell: three characters of the largest count, 「29・29・29」.
std::string WidestCountsCell();
// The longest cell of a list's column: a reading field's, the counts for the list's `strokes`
// column, and none for the others, whose first rows show their longest.
template <typename Own>
std::string WidestCell(const ListColumn<Own>& column, Own strokes) {
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return WidestReadingCell(*field);
  }
  return std::get<Own>(column) == strokes ? WidestCountsCell() : std::string{};
}

// A cell as the list shows it: the counts as 「12・12」, a reading as ReadingCell gives it.
std::string CandidateCell(const CandidateList& list, std::size_t row, CandidateColumn column);

// A cell as a screen reader hears it: a reading with its header first ("天格 25", "未来 躍進運
// 急上昇"), familiarity in words ("なじみ よく見る名前"), how the characters explain each reading
// in full; a name, its readings and its counts are clear without.
std::string CandidateCellHeard(const CandidateList& list, std::size_t row, CandidateColumn column);

// A row as one line for a screen reader: "陽葵 ひまり 女の子 12・12 天格 … 未来 躍進運 急上昇 …".
std::string CandidateSpeech(const CandidateList& list, std::size_t row);

// How the characters explain a row's readings, best explained first: the first two in full, then
// how many more have each outcome.
std::vector<std::string> CheckedReadings(const CandidateList& list, std::size_t row);

// The same for the lines under the list, with what the outcome means.
std::string CandidateReadingCheck(const CandidateList& list, std::size_t row);

// "1,234件".
std::string MatchCount(std::size_t count);

// How a name's three rows are scored, which 運勢順 ranks by and the printout explains.
inline constexpr std::string_view kFortuneRule =
    "運勢順：未来・仕事・対人の運勢の合計（急上昇 +2、上昇 +1、現状維持 0、下降 −1、急下降 −2、"
    "運勢なし −3）、同点は人格の運勢、なじみ、よみの五十音順";

// The rankings in the order 並び順 offers them, each with its name and its rule in one line.
struct RankingChoice {
  Ranking ranking;
  std::string_view name, rule;
};
inline constexpr std::array<RankingChoice, 2> kRankingChoices = {{
    {Ranking::Recommended, "おすすめ",
     "おすすめ：未来・仕事・対人のどれも下がらない名前（運勢のない数もない名前）を、なじみのある順"
     "に先に。ほかは運勢順"},
    {Ranking::Fortune, "運勢順", kFortuneRule},
}};
inline constexpr std::string_view kRankingCaption = "並び順(&J)";

// The dictionary's credit.
std::string_view DictionaryCredit();

}  // namespace quendrel
