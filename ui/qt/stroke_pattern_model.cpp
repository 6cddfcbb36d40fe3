// SPDX-License-Identifier: MIT
#include "ui/qt/stroke_pattern_model.h"

#include <utility>

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

int StrokePatternModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(patterns_.size());
}

int StrokePatternModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kPatternColumns.size());
}

QVariant StrokePatternModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::cmp_greater_equal(index.row(), patterns_.size())) {
    return {};
  }
  const auto row = static_cast<std::size_t>(index.row());
  const PatternColumn column = ColumnAt(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(PatternCell(patterns_, row, column));
    case Qt::AccessibleTextRole:
      return ToQString(PatternCellHeard(patterns_, row, column));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (IsText(column) ? Qt::AlignLeft : Qt::AlignRight));
    default:
      return {};
  }
}

QVariant StrokePatternModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && section >= 0 &&
      std::cmp_less(section, kPatternColumns.size()) &&
      (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
    return ToQString(HeaderOf(ColumnAt(section)));
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace quendrel
