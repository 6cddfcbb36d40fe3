// SPDX-License-Identifier: MIT
#include "core/name_shape.h"

namespace quendrel {
namespace {

int ClassOf(const NameStrokes& strokes) {
  if (strokes[1] == 0) {
    return 1;
  }
  return strokes[2] == 0 ? 2 : 3;
}

}  // namespace

NameShape ClassifyNameShape(const NameStrokes& surname, const NameStrokes& given) {
  return NameShape{ClassOf(surname), ClassOf(given)};
}

}  // namespace quendrel
