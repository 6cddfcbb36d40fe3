// SPDX-License-Identifier: MIT
#include "ui/name_strip.h"

#include "core/characters.h"

namespace quendrel {

std::string NameStripRows(std::string_view caption) {
  std::string rows;
  for (const std::string& character : FirstCharacters(caption, caption.size())) {
    if (character == " ") {
      continue;
    }
    if (!rows.empty()) {
      rows += '\n';
    }
    rows += character;
  }
  return rows;
}

}  // namespace quendrel
