// SPDX-License-Identifier: MIT
#include "core/character_use.h"

#include <algorithm>
#include <utility>

#include "core/characters.h"

namespace quendrel {

CharacterUse::CharacterUse(const NameDictionary& dictionary) {
  for (std::size_t name = 0; name < dictionary.size(); ++name) {
    const NameDictionary::Name& n = dictionary[name];
    if (!n.familiar()) {
      continue;
    }
    const std::vector<std::string> characters = FirstCharacters(n.written, kNameLength);
    for (std::size_t k = 0; k < characters.size(); ++k) {
      ++counts_.at(k)[characters[k]];
    }
  }
}

std::uint32_t CharacterUse::count(std::size_t position, const std::string& character) const {
  if (position >= counts_.size()) {
    return 0;
  }
  const auto found = counts_.at(position).find(character);
  return found == counts_.at(position).end() ? 0 : found->second;
}

std::vector<const NameCharacter*> CharacterUse::ordered(std::span<const NameCharacter> characters,
                                                        std::size_t position) const {
  // The most used first; the place in `characters` keeps the order among equals.
  std::vector<std::pair<std::uint32_t, std::size_t>> keys;
  keys.reserve(characters.size());
  for (std::size_t at = 0; at < characters.size(); ++at) {
    keys.emplace_back(UINT32_MAX - count(position, characters[at].character), at);
  }
  std::ranges::sort(keys);
  std::vector<const NameCharacter*> result;
  result.reserve(keys.size());
  for (const auto& key : keys) {
    result.push_back(&characters[key.second]);
  }
  return result;
}

}  // namespace quendrel
