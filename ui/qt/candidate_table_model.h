// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include "core/name_finder.h"

namespace quendrel {

// The candidate list as Qt's views read it: a row per name, a column per kCandidateColumns entry.
// A click on a header orders the list by that column; 順位 orders it by rank again.
class CandidateTableModel final : public QAbstractTableModel {
 public:
  explicit CandidateTableModel(QObject* parent) : QAbstractTableModel(parent) {}

  // The list to show, or none; `change` alters it while the views wait.
  void setList(CandidateList* list);
  template <typename Change>
  void change(Change&& alter) {
    beginResetModel();
    if (list_ != nullptr) {
      alter(*list_);
    }
    endResetModel();
  }

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  CandidateList* list_ = nullptr;
};

}  // namespace quendrel
