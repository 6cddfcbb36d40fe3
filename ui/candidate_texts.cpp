// SPDX-License-Identifier: MIT
#include "ui/candidate_texts.h"

#include <algorithm>

#include "ui/result_rows.h"

namespace quendrel {
namespace {

constexpr std::string_view kSeparator = "・";

// The columns stand in the order of their CandidateOrder values, which index them.
constexpr bool ColumnsInOrder() {
  for (std::size_t i = 0; i < kCandidateColumns.size(); ++i) {
    if (static_cast<std::size_t>(kCandidateColumns.at(i).column) != i) {
      return false;
    }
  }
  return true;
}
static_assert(ColumnsInOrder());

std::string_view SexWord(Sexes sexes) {
  if (sexes == kBoy) {
    return "男の子";
  }
  return sexes == kGirl ? "女の子" : "どちらも";
}

}  // namespace

std::string CountsCell(const NameStrokes& counts, std::size_t length) {
  std::string joined;
  for (std::size_t k = 0; k < length; ++k) {
    const StrokeCount strokes = counts.at(k);
    joined.append(k == 0 ? "" : kSeparator).append(strokes == 0 ? "？" : std::to_string(strokes));
  }
  return joined;
}

std::string ThemeCell(const GridValues& grids, AppraisalTheme theme) {
  const auto fortune = FindFortune(grids.*ThemeGrid(theme));
  if (!fortune) {
    return "なし";
  }
  return std::string{fortune->FortuneName}.append(" ").append(TrendName(fortune->Trend));
}

std::string ReadingCell(const GridValues& grids, std::size_t field) {
  if (field < kGridRows.size()) {
    return std::to_string(grids.*kGridRows.at(field).value);
  }
  return ThemeCell(grids, kAppraisalThemes.at(field - kGridRows.size()));
}

std::string CandidateCell(const CandidateList& list, std::size_t row, CandidateOrder column) {
  const NameDictionary::Name& name = list.name(row);
  switch (column) {
    case CandidateOrder::Rank:
      return std::to_string(list.place(row));
    case CandidateOrder::Written:
      return std::string{name.written};
    case CandidateOrder::Reading:
      return ReadingsFor(name, list.filter().sex);
    case CandidateOrder::Sex:
      return std::string{SexWord(SexesFor(name, list.filter().sex))};
    case CandidateOrder::Strokes:
      return CountsCell(name.counts.strokes, name.length);
    default:
      return ReadingCell(list[row].grids, static_cast<std::size_t>(column) -
                                              static_cast<std::size_t>(CandidateOrder::Tenkaku));
  }
}

std::string CandidateCellHeard(const CandidateList& list, std::size_t row, CandidateOrder column) {
  std::string cell = CandidateCell(list, row, column);
  if (column < CandidateOrder::Tenkaku) {
    return cell;
  }
  return std::string{kCandidateColumns.at(static_cast<std::size_t>(column)).header}
      .append(" ")
      .append(cell);
}

std::string CandidateSpeech(const CandidateList& list, std::size_t row) {
  std::string said;
  for (const CandidateColumnDefinition& definition : kCandidateColumns) {
    if (definition.column != CandidateOrder::Rank) {
      said.append(said.empty() ? "" : " ").append(CandidateCellHeard(list, row, definition.column));
    }
  }
  return said;
}

std::string MatchCount(std::size_t count) {
  const std::string digits = std::to_string(count);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) {
      grouped.push_back(',');
    }
    grouped.push_back(digits[i]);
  }
  return grouped.append("件");
}

std::string_view RankingRule() {
  return "並び順：未来・仕事・対人の運勢の合計（急上昇 +2、上昇 +1、現状維持 0、下降 −1、急下降 −2、"
         "運勢なし −3）、同点は人格の運勢、次によみの五十音順";
}

std::string_view DictionaryCredit() {
  return "名前の出典：ENAMDICT（電子辞書研究開発グループ EDRDG、CC BY-SA 4.0）";
}

}  // namespace quendrel
