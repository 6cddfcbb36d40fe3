// SPDX-License-Identifier: MIT
#include "ui/stroke_pattern_texts.h"

#include "ui/candidate_texts.h"

namespace quendrel {
namespace {

constexpr std::array<std::string_view, kNameLength> kPositionKeys = {"U", "I", "O"};

}  // namespace

std::string_view HeaderOf(PatternField field) {
  constexpr std::array<std::string_view, 3> kHeaders = {"順位", "画数", "辞書の名前"};
  return kHeaders.at(static_cast<std::size_t>(field));
}

std::string PatternCell(const StrokePatterns& patterns, std::size_t row, PatternColumn column) {
  const StrokePattern& pattern = patterns[row];
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return ReadingCell(pattern.grids, *field);
  }
  switch (std::get<PatternField>(column)) {
    case PatternField::Rank:
      return std::to_string(row + 1);
    case PatternField::Strokes:
      return CountsCell(pattern.strokes, pattern.length);
    default:
      return MatchCount(pattern.names);
  }
}

std::string PatternCellHeard(const StrokePatterns& patterns, std::size_t row,
                             PatternColumn column) {
  std::string cell = PatternCell(patterns, row, column);
  if (column == PatternColumn{PatternField::Strokes}) {
    return cell + "画";
  }
  return std::string{HeaderOf(column)}.append(" ").append(cell);
}

std::string_view PatternRule() {
  return "並び順：名前の候補と同じ運勢の合計、同点は人格の運勢、次に辞書に多い組み合わせ、"
         "字数と画数の少ない順";
}

std::string CharacterItem(const NameCharacter& character) {
  std::string item = character.character;
  if (!character.readings.empty() && character.readings != character.character) {
    item.append("\u3000").append(character.readings);
  }
  return item;
}

std::string PositionCaption(std::size_t position, int strokes) {
  return std::to_string(position + 1) + "文字目 " + std::to_string(strokes) + "画(&" +
         std::string{kPositionKeys.at(position)} + ")";
}

}  // namespace quendrel
