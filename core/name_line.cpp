// SPDX-License-Identifier: MIT
#include "core/name_line.h"

namespace quendrel {

std::string ComposeNameLine(NameShape shape, const NameChars& surname, const NameChars& given) {
  std::string line;
  switch (shape.surname) {
    case 3:
      line.append(surname[0]).append(surname[1]).append(surname[2]);
      break;
    case 2:
      line.append(surname[0]).append(surname[1]).append(kNameLineFiller);
      break;
    default:
      line.append(kNameLineStar).append(surname[0]).append(kNameLineFiller);
      break;
  }
  switch (shape.given) {
    case 3:
      line.append(given[0]).append(given[1]).append(given[2]);
      break;
    case 2:
      line.append(given[0]).append(given[1]);
      break;
    default:
      line.append(given[0]).append(kNameLineStar);
      break;
  }
  return line;
}

}  // namespace quendrel
