// SPDX-License-Identifier: MIT
#include "ui/qt/candidate_table_model.h"

#include <utility>

#include "ui/candidate_texts.h"
#include "ui/qt/qt_strings.h"

namespace quendrel {
namespace {

CandidateOrder ColumnAt(int section) {
  return kCandidateColumns.at(static_cast<std::size_t>(section)).column;
}

// The numbers stand right-aligned, as figures in a table do; the texts left.
bool IsNumber(CandidateOrder column) {
  return column == CandidateOrder::Rank ||
         (column >= CandidateOrder::Tenkaku && column <= CandidateOrder::Soukaku);
}

}  // namespace

void CandidateTableModel::setList(CandidateList* list) {
  beginResetModel();
  list_ = list;
  endResetModel();
}

int CandidateTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || list_ == nullptr ? 0 : static_cast<int>(list_->size());
}

int CandidateTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kCandidateColumns.size());
}

QVariant CandidateTableModel::data(const QModelIndex& index, int role) const {
  if (list_ == nullptr || !index.isValid()) {
    return {};
  }
  const auto row = static_cast<std::size_t>(index.row());
  const CandidateOrder column = ColumnAt(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(CandidateCell(*list_, row, column));
    case Qt::AccessibleTextRole:
      return ToQString(CandidateCellHeard(*list_, row, column));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (IsNumber(column) ? Qt::AlignRight : Qt::AlignLeft));
    default:
      return {};
  }
}

QVariant CandidateTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 ||
      std::cmp_greater_equal(section, kCandidateColumns.size())) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  const CandidateOrder column = ColumnAt(section);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return ToQString(kCandidateColumns.at(static_cast<std::size_t>(section)).header);
    case Qt::InitialSortOrderRole:
      // The first click on a fortune puts the best first, as the ranking does.
      return column >= CandidateOrder::Future ? Qt::DescendingOrder : Qt::AscendingOrder;
    default:
      return QAbstractTableModel::headerData(section, orientation, role);
  }
}

void CandidateTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || std::cmp_greater_equal(column, kCandidateColumns.size())) {
    return;
  }
  const CandidateOrder by = ColumnAt(column);
  change([&](CandidateList& list) { list.setOrder(by, order == Qt::AscendingOrder); });
}

}  // namespace quendrel
