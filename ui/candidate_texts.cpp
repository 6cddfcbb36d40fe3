// SPDX-License-Identifier: MIT
#include "ui/candidate_texts.h"

#include <algorithm>
#include <optional>
#include <ranges>
#include <tuple>
#include <vector>

#include "core/name_characters.h"
#include "core/name_familiarity.h"
#include "ui/reading_check_texts.h"

namespace quendrel {
namespace {

constexpr std::string_view kSeparator = "・";

// What a click on each of the list's own columns orders it by, in CandidateField's order; the
// readings' orders follow Tenkaku in their own.
constexpr std::array<CandidateOrder, 7> kOwnOrders = {
    CandidateOrder::Rank, CandidateOrder::Written,     CandidateOrder::Reading, CandidateOrder::Fit,
    CandidateOrder::Sex,  CandidateOrder::Familiarity, CandidateOrder::Strokes};
static_assert(static_cast<std::size_t>(CandidateOrder::Relations) -
                  static_cast<std::size_t>(CandidateOrder::Tenkaku) + 1 ==
              kReadingFields.size());

// How familiar the source finds a name, as the list shows it and as a listener hears it: ★★★ for
// the commonest tenth of the names it knows, ☆ for a name it lacks.
struct FamiliarityWords {
  std::string_view shown, heard;
};
constexpr std::array<FamiliarityWords, 4> kFamiliarity = {{
    {"☆", "資料にない名前"},
    {"★", "まれな名前"},
    {"★★", "よく見る名前"},
    {"★★★", "とてもよく見る名前"},
}};

const FamiliarityWords& FamiliarityOf(std::uint16_t cost) {
  return kFamiliarity.at(static_cast<std::size_t>(
      FamiliarityLevel(cost == kUnfamiliar ? std::nullopt : std::optional<int>{cost})));
}

std::string_view SexWord(Sexes sexes) {
  if (sexes == kBoy) {
    return "男の子";
  }
  return sexes == kGirl ? "女の子" : "どちらも";
}

// A row's readings that the list shows, best explained first, and otherwise in the list's
// order, which the readings are stored in.
std::vector<const GivenNameReading*> ShownReadings(const CandidateList& list, std::size_t row) {
  std::vector<const GivenNameReading*> shown;
  for (const GivenNameReading& reading : list.name(row).readings) {
    if (Shows(reading, list.filter())) {
      shown.push_back(&reading);
    }
  }
  std::ranges::sort(shown, [](const GivenNameReading* a, const GivenNameReading* b) {
    return std::tie(a->fit, a) < std::tie(b->fit, b);
  });
  return shown;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    joined.append(joined.empty() ? "" : separator).append(part);
  }
  return joined;
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

std::string WidestCountsCell() {
  const auto largest = static_cast<StrokeCount>(LargestNameCharacterCount());
  return CountsCell({largest, largest, largest}, kNameLength);
}

std::string_view HeaderOf(CandidateField field) {
  constexpr std::array<std::string_view, 7> kHeaders = {"順位", "名前",   "よみ", kFitHeader,
                                                        "性別", "なじみ", "画数"};
  return kHeaders.at(static_cast<std::size_t>(field));
}

CandidateOrder OrderOf(CandidateColumn column) {
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return static_cast<CandidateOrder>(static_cast<std::size_t>(CandidateOrder::Tenkaku) +
                                       static_cast<std::size_t>(*field));
  }
  return kOwnOrders.at(static_cast<std::size_t>(std::get<CandidateField>(column)));
}

std::string CandidateCell(const CandidateList& list, std::size_t row, CandidateColumn column) {
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return ReadingCell(list[row].grids, *field);
  }
  const NameDictionary::Name& name = list.name(row);
  switch (std::get<CandidateField>(column)) {
    case CandidateField::Rank:
      return std::to_string(list.place(row));
    case CandidateField::Written:
      return std::string{name.written};
    case CandidateField::Reading:
      return ReadingsFor(name, list.filter());
    case CandidateField::Fit:
      return std::string{FitName(BestFit(name, list.filter()))};
    case CandidateField::Sex:
      return std::string{SexWord(SexesFor(name, list.filter()))};
    case CandidateField::Familiarity:
      return std::string{FamiliarityOf(list.familiarity(row)).shown};
    default:
      return CountsCell(name.counts.strokes, name.length);
  }
}

std::string CandidateCellHeard(const CandidateList& list, std::size_t row, CandidateColumn column) {
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return ReadingCellHeard(list[row].grids, *field);
  }
  if (column == CandidateColumn{CandidateField::Familiarity}) {
    return std::string{HeaderOf(CandidateField::Familiarity)}.append(" ").append(
        FamiliarityOf(list.familiarity(row)).heard);
  }
  if (column == CandidateColumn{CandidateField::Fit}) {
    return std::string{kFitHeader} + " " + Joined(CheckedReadings(list, row), " ");
  }
  return CandidateCell(list, row, column);
}

std::string CandidateSpeech(const CandidateList& list, std::size_t row) {
  std::string said;
  for (const CandidateColumn column : kCandidateColumns) {
    if (column != CandidateColumn{CandidateField::Rank}) {
      said.append(said.empty() ? "" : " ").append(CandidateCellHeard(list, row, column));
    }
  }
  return said;
}

std::vector<std::string> CheckedReadings(const CandidateList& list, std::size_t row) {
  constexpr std::size_t kInFull = 2;
  const std::vector<const GivenNameReading*> shown = ShownReadings(list, row);
  std::vector<std::string> lines;
  for (const GivenNameReading* reading : shown | std::views::take(kInFull)) {
    lines.push_back(ReadingCheckLine(list.name(row).written, reading->kana));
  }
  if (shown.size() > kInFull) {
    std::vector<ReadingFit> others;
    for (const GivenNameReading* reading : shown | std::views::drop(kInFull)) {
      others.push_back(reading->fit);
    }
    lines.push_back("ほかに" + std::to_string(others.size()) + "通りの読み（" +
                    Joined(FitCounts(others), "、") + "）");
  }
  return lines;
}

std::string CandidateReadingCheck(const CandidateList& list, std::size_t row) {
  const std::vector<const GivenNameReading*> shown = ShownReadings(list, row);
  const std::string advice =
      shown.size() == 1 ? FitAdvice(ExplainReading(list.name(row).written, shown.front()->kana))
                        : std::string{kFitRule};
  return Joined(CheckedReadings(list, row), "\n") + "\n" + advice;
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

std::string_view DictionaryCredit() {
  return "名前の出典：ENAMDICT（電子辞書研究開発グループ EDRDG、CC BY-SA 4.0）";
}

}  // namespace quendrel
