// SPDX-License-Identifier: MIT
#include "ui/stroke_pattern_texts.h"

#include "ui/candidate_texts.h"

namespace quendrel {
namespace {

constexpr std::array<std::string_view, kNameLength> kPositionKeys = {"U", "I", "O"};

std::string_view HeaderOf(PatternColumn column) {
  return kPatternColumns.at(static_cast<std::size_t>(column)).header;
}

}  // namespace

std::string PatternCell(const StrokePatterns& patterns, std::size_t row, PatternColumn column) {
  const StrokePattern& pattern = patterns[row];
  switch (column) {
    case PatternColumn::Rank:
      return std::to_string(row + 1);
    case PatternColumn::Strokes:
      return CountsCell(pattern.strokes, pattern.length);
    case PatternColumn::Names:
      return MatchCount(pattern.names);
    default:
      return ReadingCell(pattern.grids, static_cast<std::size_t>(column) -
                                            static_cast<std::size_t>(PatternColumn::Tenkaku));
  }
}

std::string PatternCellHeard(const StrokePatterns& patterns, std::size_t row,
                             PatternColumn column) {
  std::string cell = PatternCell(patterns, row, column);
  if (column == PatternColumn::Strokes) {
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
