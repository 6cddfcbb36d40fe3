// SPDX-License-Identifier: MIT
#include "ui/qt/stroke_pattern_model.h"

#include <utility>

#include "ui/candidate_texts.h"
#include "ui/qt/qt_strings.h"
#include "ui/stroke_pattern_texts.h"

namespace quendrel {
namespace {

PatternColumn ColumnAt(int section) {
  return kPatternColumns.at(static_cast<std::size_t>(section));
}

bool IsText(PatternColumn column) {
  return column == PatternColumn{PatternField::Strokes} || IsTheme(column);
}

}  // namespace

int StrokePatternModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kPatternColumns.size());
}

QVariant StrokePatternModel::value(const StrokePatterns& patterns, std::size_t row, int column,
                                   int role) const {
  const PatternColumn shown = ColumnAt(column);
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(PatternCell(patterns, row, shown));
    case Qt::AccessibleTextRole:
      return ToQString(PatternCellHeard(patterns, row, shown));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (IsText(shown) ? Qt::AlignLeft : Qt::AlignRight));
    case kIdentityRole:
      return ToQString(PatternCell(patterns, row, PatternField::Strokes));
    default:
      return {};
  }
}

QVariant StrokePatternModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 ||
      std::cmp_greater_equal(section, kPatternColumns.size())) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const PatternColumn column = ColumnAt(section);
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    return ToQString(HeaderOf(column));
  }
  if (role == kWidestRole) {
    return ToQString(WidestCell(column, PatternField::Strokes));
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace quendrel
