// SPDX-License-Identifier: MIT
#include "core/name_line.h"

#include <string_view>

namespace quendrel {
namespace {

constexpr std::string_view kStar = "☆";
constexpr std::string_view kTwoSpaces = "  ";

}  // namespace

std::string ComposeNameLine(NameShape shape, const NameChars& surname, const NameChars& given) {
  std::string line;
  switch (shape.surname) {
    case 3:
      line.append(surname[0]).append(surname[1]).append(surname[2]);
      break;
    case 2:
      line.append(surname[0]).append(surname[1]).append(kTwoSpaces);
      break;
    default:
      line.append(kStar).append(surname[0]).append(kTwoSpaces);
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
      line.append(given[0]).append(kStar);
      break;
  }
  return line;
}

}  // namespace quendrel
