// SPDX-License-Identifier: MIT
#include "ui/box_edit.h"

#include <vector>

#include "core/characters.h"
#include "ui/design/element.h"

namespace quendrel {
namespace {

bool Exceeds(std::string_view text, std::size_t limit) {
  return limit != 0 && FirstCharacters(text, limit + 1).size() > limit;
}

// The edit's text before, inserted and after, told apart from the text it started from.
std::optional<Insertion> InsertionOf(const BoxEdit& edit) {
  const std::u16string_view text = edit.text;
  const std::u16string_view attempt = edit.attempt;
  const std::size_t caret = edit.caret;
  if (edit.start > edit.end || edit.end > text.size() || caret > attempt.size()) {
    return std::nullopt;
  }
  const auto split = [attempt, caret](std::u16string_view before, std::u16string_view after) {
    return Insertion{
        .before = std::u16string(before),
        .inserted = std::u16string(attempt.substr(before.size(), caret - before.size())),
        .after = std::u16string(after)};
  };
  // Typing, a paste or a commit: the text around the replaced range stays.
  const std::u16string_view head = text.substr(0, edit.start);
  const std::u16string_view tail = text.substr(edit.end);
  if (caret >= head.size() && caret + tail.size() == attempt.size() && attempt.starts_with(head) &&
      attempt.ends_with(tail)) {
    return split(head, tail);
  }
  // A drop: the text after the caret stays, whatever the selection was.
  const std::u16string_view after = attempt.substr(caret);
  if (after.size() > text.size()) {
    return std::nullopt;
  }
  const std::u16string_view before = text.substr(0, text.size() - after.size());
  if (text.ends_with(after) && before.size() <= caret && attempt.starts_with(before)) {
    return split(before, after);
  }
  return std::nullopt;
}

// The longest run of the inserted text's first characters that leaves at most `limit` characters.
std::string Fitting(const std::string& before, std::string_view inserted, const std::string& after,
                    std::size_t limit) {
  // A combining mark can join the character on either side of the caret, so up to two more of
  // the inserted characters than the room left may still fit.
  const std::vector<std::string> candidates = FirstCharacters(inserted, limit + 2);
  std::string fitting;
  std::string longer;
  for (const std::string& character : candidates) {
    longer += character;
    std::string attempt = before;
    if (Exceeds(attempt.append(longer).append(after), limit)) {
      break;
    }
    fitting = longer;
  }
  return fitting;
}

}  // namespace

bool Overfills(ElementId box, std::u16string_view text) {
  return Exceeds(ToUtf8(text), DefinitionOf(box).maxCharacters);
}

EditOutcome TakeEdit(ElementId box, const BoxEdit& edit) {
  if (!Overfills(box, edit.attempt)) {
    return {};
  }
  EditOutcome outcome{.taken = false, .refused = InsertionOf(edit), .kept = {}};
  if (outcome.refused) {
    const Insertion& parts = *outcome.refused;
    const std::string fitting = Fitting(ToUtf8(parts.before), ToUtf8(parts.inserted),
                                        ToUtf8(parts.after), DefinitionOf(box).maxCharacters);
    // As many of the inserted units: a lone surrogate, read as U+FFFD, goes in as it was typed.
    outcome.kept = parts.inserted.substr(0, ToUtf16(fitting).size());
  }
  return outcome;
}

}  // namespace quendrel
