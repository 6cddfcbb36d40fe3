// SPDX-License-Identifier: MIT
#include "ui/character_limit.h"

#include <vector>

#include "core/characters.h"

namespace quendrel {

bool ExceedsCharacters(std::string_view text, std::size_t limit) {
  return FirstCharacters(text, limit + 1).size() > limit;
}

std::string FittingInsertion(std::string_view before, std::string_view inserted,
                             std::string_view after, std::size_t limit) {
  // A combining mark can join the character on either side of the caret, so up to two more of
  // the inserted characters than the room left may still fit.
  const std::vector<std::string> candidates = FirstCharacters(inserted, limit + 2);
  std::string fitting;
  std::string longer;
  for (const std::string& character : candidates) {
    longer += character;
    if (ExceedsCharacters(std::string(before) + longer + std::string(after), limit)) {
      break;
    }
    fitting = longer;
  }
  return fitting;
}

}  // namespace quendrel
