// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>

#include "core/shortlist.h"

namespace quendrel {

// The shortlist as Qt's views read it: a row per name, which a screen reader hears whole.
class ShortlistModel final : public QAbstractListModel {
 public:
  ShortlistModel(Shortlist& list, QObject* parent) : QAbstractListModel(parent), list_(list) {}

  // `change` alters the list while the views wait.
  template <typename Change>
  void change(Change&& alter) {
    beginResetModel();
    alter(list_);
    endResetModel();
  }

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

 private:
  Shortlist& list_;
};

}  // namespace quendrel
