// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/design/element_table.h"

namespace quendrel {

// Every named element of the main window メイン, in the order of the element table.
#define QUENDREL_ELEMENT_ENUMERATOR(name, ...) name,
#define QUENDREL_LINE_ENUMERATOR(name) name,
enum class ElementId : std::uint8_t {
  QUENDREL_ELEMENTS(QUENDREL_ELEMENT_ENUMERATOR, QUENDREL_LINE_ENUMERATOR)
};
#undef QUENDREL_LINE_ENUMERATOR
#undef QUENDREL_ELEMENT_ENUMERATOR

#define QUENDREL_ELEMENT_VALUE(name, ...) ElementId::name,
#define QUENDREL_LINE_VALUE(name) ElementId::name,
inline constexpr std::array kAllElements = {
    QUENDREL_ELEMENTS(QUENDREL_ELEMENT_VALUE, QUENDREL_LINE_VALUE)};
#undef QUENDREL_LINE_VALUE
#undef QUENDREL_ELEMENT_VALUE
inline constexpr std::size_t kElementCount = kAllElements.size();

constexpr std::size_t IndexOf(ElementId id) {
  return static_cast<std::size_t>(id);
}

}  // namespace quendrel
