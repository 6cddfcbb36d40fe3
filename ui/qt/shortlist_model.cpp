// SPDX-License-Identifier: MIT
#include "ui/qt/shortlist_model.h"

#include "ui/qt/qt_strings.h"
#include "ui/shortlist_texts.h"

namespace quendrel {

QVariant ShortlistModel::value(const Shortlist& list, std::size_t place, int /*column*/,
                               int role) const {
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(list[place].given);
    case Qt::AccessibleTextRole:
      return ToQString(ShortlistSpeech(list, place));
    case kCardRole:
      return QVariant::fromValue(ShortlistRow{list.surname(), list[place]});
    default:
      return {};
  }
}

}  // namespace quendrel
