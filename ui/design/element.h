// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/name_parts.h"
#include "ui/design/element_id.h"

namespace quendrel {

enum class ElementKind : std::uint8_t {
  TextBox,
  Label,
  Picture,
  Line,
  Shape,
  CommandButton,
  Menu,
  MenuItem
};

// How an element starts. `text` is a text box's text or the caption of anything else.
struct ElementDefinition {
  ElementId id;
  std::string_view name;
  ElementKind kind;
  std::string_view text;
  bool visible;
  // For text boxes the user types into; 0 means no limit.
  std::size_t maxCharacters;
};

// The properties that commands change; everything else about an element is fixed.
struct Element {
  std::string text;
  bool visible = true;
};

#define QUENDREL_ELEMENT_DEFINITION(name, kind, text, visible, limit) \
  {ElementId::name, #name, ElementKind::kind, text, visible, limit},
#define QUENDREL_LINE_DEFINITION(name) {ElementId::name, #name, ElementKind::Line, "", false, 0},
inline constexpr std::array<ElementDefinition, kElementCount> kElementDefinitions = {
    {QUENDREL_ELEMENTS(QUENDREL_ELEMENT_DEFINITION, QUENDREL_LINE_DEFINITION)}};
#undef QUENDREL_LINE_DEFINITION
#undef QUENDREL_ELEMENT_DEFINITION

constexpr const ElementDefinition& DefinitionOf(ElementId id) {
  return kElementDefinitions.at(IndexOf(id));
}

}  // namespace quendrel
