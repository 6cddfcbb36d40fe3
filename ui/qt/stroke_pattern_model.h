// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include "core/stroke_patterns.h"
#include "ui/qt/list_model.h"

namespace quendrel {

// The patterns of counts as Qt's views read them: a row per pattern, a column per
// kPatternColumns entry, in rank order; a row's identity is its pattern's counts, as shown.
class StrokePatternModel final : public ListModel<QAbstractTableModel, StrokePatterns> {
 public:
  StrokePatternModel(StrokePatterns& patterns, QObject* parent) : ListModel(&patterns, parent) {}

  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;

 private:
  [[nodiscard]] QVariant value(const StrokePatterns& patterns, std::size_t row, int column,
                               int role) const override;
};

}  // namespace quendrel
