// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include "core/name_finder.h"
#include "ui/qt/list_model.h"

namespace quendrel {

// The candidate list as Qt's views read it: a row per name, a column per kCandidateColumns entry;
// a row's identity is its name's index in the dictionary. A click on a header orders the list by
// that column; 順位 orders it by rank again.
class CandidateTableModel final : public ListModel<QAbstractTableModel, CandidateList> {
 public:
  explicit CandidateTableModel(QObject* parent) : ListModel(nullptr, parent) {}

  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  [[nodiscard]] QVariant value(const CandidateList& list, std::size_t row, int column,
                               int role) const override;
};

}  // namespace quendrel
