// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include "core/stroke_patterns.h"

namespace quendrel {

// The patterns of counts as Qt's views read them: a row per pattern, a column per
// kPatternColumns entry, in rank order.
class StrokePatternModel final : public QAbstractTableModel {
 public:
  StrokePatternModel(StrokePatterns& patterns, QObject* parent)
      : QAbstractTableModel(parent), patterns_(patterns) {}

  // `change` alters the patterns while the views wait.
  template <typename Change>
  void change(Change&& alter) {
    beginResetModel();
    alter(patterns_);
    endResetModel();
  }

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  StrokePatterns& patterns_;
};

}  // namespace quendrel
