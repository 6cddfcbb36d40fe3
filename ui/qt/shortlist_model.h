// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include <QAbstractListModel>

#include "core/shortlist.h"
#include "ui/qt/list_model.h"

namespace quendrel {

// What a card shows of a kept name: the name, and the surname it is read with.
struct ShortlistRow {
  std::string surname;
  ShortlistedName name;
};

// The shortlist as Qt's views read it: a row per name, which a screen reader hears whole, and
// which gives its card a ShortlistRow by kCardRole.
class ShortlistModel final : public ListModel<QAbstractListModel, Shortlist> {
 public:
  static constexpr int kCardRole = Qt::UserRole;

  ShortlistModel(Shortlist& list, QObject* parent) : ListModel(&list, parent) {}

 private:
  [[nodiscard]] QVariant value(const Shortlist& list, std::size_t place, int column,
                               int role) const override;
};

}  // namespace quendrel
