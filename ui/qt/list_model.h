// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <utility>

#include <QAbstractItemModel>

namespace quendrel {

// The role by which a row names what it shows, alike before and after a change.
inline constexpr int kIdentityRole = Qt::UserRole;
// A header's: the longest text its column can show, where the first rows may not hold it.
inline constexpr int kWidestRole = Qt::UserRole + 1;

// A Qt model over a list that lives elsewhere, a row per item, or none without a list. Each
// change says what it does to the rows, so that the views keep the current row and the selection
// where the row stays: a row inserted, moved or removed, new values in every row, or a new list.
template <typename QtModel, typename List>
class ListModel : public QtModel {
 public:
  ListModel(List* list, QObject* parent) : QtModel(parent), list_(list) {}

  void setList(List* list) {
    this->beginResetModel();
    list_ = list;
    this->endResetModel();
  }

  // The views read every row again.
  template <typename Change>
  void reset(Change&& alter) {
    this->beginResetModel();
    if (list_ != nullptr) {
      alter(*list_);
    }
    this->endResetModel();
  }

  template <typename Change>
  void insert(int row, Change&& alter) {
    this->beginInsertRows({}, row, row);
    alter(*list_);
    this->endInsertRows();
  }
  template <typename Change>
  void remove(int row, Change&& alter) {
    this->beginRemoveRows({}, row, row);
    alter(*list_);
    this->endRemoveRows();
  }

  // `to` must differ from `from`; Qt names the row that the moved one comes before.
  template <typename Change>
  void move(int from, int to, Change&& alter) {
    this->beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    alter(*list_);
    this->endMoveRows();
  }

  // Every row stays where it is; what they show changes.
  template <typename Change>
  void update(Change&& alter) {
    alter(*list_);
    const QAbstractItemModel& model = *this;
    if (const int rows = model.rowCount(); rows != 0) {
      Q_EMIT this->dataChanged(model.index(0, 0), model.index(rows - 1, model.columnCount() - 1));
    }
  }

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || list_ == nullptr ? 0 : static_cast<int>(list_->size());
  }

  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const final {
    if (list_ == nullptr || !index.isValid() ||
        std::cmp_greater_equal(index.row(), list_->size())) {
      return {};
    }
    return value(*list_, static_cast<std::size_t>(index.row()), index.column(), role);
  }

 private:
  // What a row of the list gives in a column for a role.
  [[nodiscard]] virtual QVariant value(const List& list, std::size_t row, int column,
                                       int role) const = 0;

  List* list_;
};

}  // namespace quendrel
