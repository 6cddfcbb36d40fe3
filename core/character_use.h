// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/name_characters.h"
#include "core/name_dictionary.h"
#include "core/name_parts.h"

// How often each character begins, follows or ends the familiar names of a dictionary, so that a
// position's characters can be offered as parents use them (翔 before 翆).
namespace quendrel {

class CharacterUse {
 public:
  CharacterUse() = default;
  // Counts the characters of each name that the familiarity source knows, by position.
  explicit CharacterUse(const NameDictionary& dictionary);

  // The familiar names holding `character` (UTF-8, one character) at `position`, from 0.
  [[nodiscard]] std::uint32_t count(std::size_t position, const std::string& character) const;

  // `characters` with those more familiar names hold at `position` first, the rest in their own
  // order.
  [[nodiscard]] std::vector<const NameCharacter*> ordered(std::span<const NameCharacter> characters,
                                                          std::size_t position) const;

 private:
  std::array<std::unordered_map<std::string, std::uint32_t>, kNameLength> counts_;
};

}  // namespace quendrel
