// SPDX-License-Identifier: MIT
#include "fuzz/edit_path.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/characters.h"
#include "ui/box_edit.h"
#include "ui/design/element.h"

namespace quendrel::fuzzing {
namespace {

constexpr ElementId kBox = ElementId::Text1;
constexpr std::size_t kHeader = 4;

// The first characters of `text`, joined.
std::string Prefix(std::string_view text, std::size_t characters) {
  std::string prefix;
  for (const std::string& character : FirstCharacters(text, characters)) {
    prefix += character;
  }
  return prefix;
}

// The box as an edit finds it, and the edit: it replaces [start, end) of the text with what is
// offered, where the box's caret or selection was [caret, caretEnd). Typing, a paste and a commit
// replace the selection; a drop lands where the pointer is, the caret left where it was.
struct Edit {
  std::u16string text;
  std::size_t caret, caretEnd, start, end;
  std::u16string offered;
};

Edit Decode(std::span<const std::uint8_t> input) {
  std::array<std::uint8_t, kHeader> header{};
  std::ranges::copy(input.first(std::min(input.size(), kHeader)), header.begin());
  const std::span<const std::uint8_t> rest = input.subspan(std::min(input.size(), kHeader));
  std::u16string units(rest.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(rest[2 * i] | (rest[(2 * i) + 1] << 8));
  }
  const std::u16string_view all(units);
  const std::size_t split = std::min(all.find(u'\uFFFF'), all.size());
  std::u16string text(all.substr(0, split));
  if (Overfills(kBox, text)) {  // the box never holds more than it takes
    text = ToUtf16(TruncateCharacters(ToUtf8(text), DefinitionOf(kBox).maxCharacters));
  }
  const auto at = [&text](std::uint8_t byte) {
    return static_cast<std::size_t>(byte) % (text.size() + 1);
  };
  const std::size_t from = std::min(at(header[1]), at(header[2]));
  const std::size_t to = std::max(at(header[1]), at(header[2]));
  const bool dropped = (header[0] & 1U) != 0;
  return {.text = text,
          .caret = from,
          .caretEnd = dropped ? from : to,
          .start = dropped ? at(header[3]) : from,
          .end = dropped ? at(header[3]) : to,
          .offered = std::u16string(all.substr(std::min(split + 1, all.size())))};
}

}  // namespace

std::vector<std::string> EditPathViolations(std::span<const std::uint8_t> input) {
  const Edit edit = Decode(input);
  const std::u16string head = edit.text.substr(0, edit.start);
  const std::u16string tail = edit.text.substr(edit.end);
  const std::u16string attempt = head + edit.offered + tail;
  const EditOutcome outcome = TakeEdit(kBox, {.text = edit.text,
                                              .start = edit.caret,
                                              .end = edit.caretEnd,
                                              .attempt = attempt,
                                              .caret = head.size() + edit.offered.size()});
  if (outcome.taken) {
    return {};  // the box takes the edit as it is
  }
  std::vector<std::string> violations;
  if (!outcome.refused) {
    violations.emplace_back("the box could not tell the inserted text apart");
    return violations;
  }
  const Insertion& parts = *outcome.refused;
  if (parts.before != head || parts.after != tail || parts.inserted != edit.offered) {
    violations.emplace_back("the text the edit did not replace was taken for inserted, or back");
  }
  const std::u16string& kept = outcome.kept;
  const std::u16string held = kept.empty() ? edit.text : head + kept + tail;
  if (Overfills(kBox, held)) {
    violations.emplace_back("the box holds more than it takes");
  }
  const std::string offered = ToUtf8(edit.offered);
  const std::size_t count = CountCharacters(ToUtf8(kept));
  if (!std::u16string_view(edit.offered).starts_with(kept)) {
    violations.emplace_back("what went in is not the start of what was offered");
  } else if (Prefix(offered, count) != ToUtf8(kept)) {
    violations.emplace_back("what went in splits a character");
  }
  if (const std::u16string longer = ToUtf16(Prefix(offered, count + 1));
      longer.size() > kept.size() && !Overfills(kBox, head + longer + tail)) {
    violations.emplace_back("a character that fits was left out");
  }
  return violations;
}

}  // namespace quendrel::fuzzing
