// SPDX-License-Identifier: MIT
#include "ui/insertion.h"

namespace quendrel {

std::optional<Insertion> InsertionOf(std::u16string_view text, std::size_t start, std::size_t end,
                                     std::u16string_view attempt, std::size_t caret) {
  if (start > end || end > text.size() || caret > attempt.size()) {
    return std::nullopt;
  }
  const std::u16string_view head = text.substr(0, start);
  const std::u16string_view tail = text.substr(end);
  if (caret >= head.size() && caret + tail.size() == attempt.size() && attempt.starts_with(head) &&
      attempt.ends_with(tail)) {
    return Insertion{.before = std::u16string(head),
                     .inserted = std::u16string(attempt.substr(head.size(), caret - head.size())),
                     .after = std::u16string(tail)};
  }
  const std::u16string_view after = attempt.substr(caret);
  if (after.size() > text.size()) {
    return std::nullopt;
  }
  const std::u16string_view before = text.substr(0, text.size() - after.size());
  if (text.ends_with(after) && before.size() <= caret && attempt.starts_with(before)) {
    return Insertion{
        .before = std::u16string(before),
        .inserted = std::u16string(attempt.substr(before.size(), caret - before.size())),
        .after = std::u16string(after)};
  }
  return std::nullopt;
}

}  // namespace quendrel
