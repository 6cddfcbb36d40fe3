// SPDX-License-Identifier: MIT
#include "ui/qt/candidate_table_model.h"

#include <utility>

#include "ui/candidate_texts.h"
#include "ui/qt/qt_strings.h"

namespace quendrel {
namespace {

CandidateColumn ColumnAt(int section) {
  return kCandidateColumns.at(static_cast<std::size_t>(section));
}

// The numbers stand right-aligned, as figures in a table do; the texts left.
bool IsNumber(CandidateColumn column) {
  return column == CandidateColumn{CandidateField::Rank} ||
         (std::holds_alternative<ReadingField>(column) && !IsTheme(column));
}

}  // namespace

int CandidateTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kCandidateColumns.size());
}

QVariant CandidateTableModel::value(const CandidateList& list, std::size_t row, int column,
                                    int role) const {
  const CandidateColumn shown = ColumnAt(column);
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(CandidateCell(list, row, shown));
    case Qt::AccessibleTextRole:
      return ToQString(CandidateCellHeard(list, row, shown));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (IsNumber(shown) ? Qt::AlignRight : Qt::AlignLeft));
    case kIdentityRole:
      return list[row].name;
    default:
      return {};
  }
}

QVariant CandidateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 ||
      std::cmp_greater_equal(section, kCandidateColumns.size())) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return ToQString(HeaderOf(ColumnAt(section)));
    case Qt::InitialSortOrderRole:
      // The first click on a fortune puts the best first, as the ranking does.
      return IsTheme(ColumnAt(section)) ? Qt::DescendingOrder : Qt::AscendingOrder;
    case kWidestRole:
      return ToQString(WidestCell(ColumnAt(section), CandidateField::Strokes));
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

void CandidateTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || std::cmp_greater_equal(column, kCandidateColumns.size())) {
    return;
  }
  const CandidateOrder by = OrderOf(ColumnAt(column));
  reset([&](CandidateList& list) { list.setOrder(by, order == Qt::AscendingOrder); });
}

}  // namespace quendrel
