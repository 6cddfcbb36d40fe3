// SPDX-License-Identifier: MIT
#include "ui/qt/shortlist_model.h"

#include "ui/qt/qt_strings.h"
#include "ui/shortlist_texts.h"

namespace quendrel {

int ShortlistModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant ShortlistModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || std::cmp_greater_equal(index.row(), list_.size())) {
    return {};
  }
  const auto place = static_cast<std::size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(list_[place].given);
    case Qt::AccessibleTextRole:
      return ToQString(ShortlistSpeech(list_, place));
    default:
      return {};
  }
}

}  // namespace quendrel
