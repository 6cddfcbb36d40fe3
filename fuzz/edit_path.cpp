// SPDX-License-Identifier: MIT
#include "fuzz/edit_path.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include <QString>

#include "core/characters.h"
#include "ui/box_edit.h"
#include "ui/element.h"

namespace quendrel::fuzzing {
namespace {

constexpr ElementId kBox = ElementId::Text1;
constexpr std::size_t kHeader = 4;

// Unit for unit: QString::fromUtf16 would take a leading U+FEFF or U+FFFE for a byte order mark.
QString FromUnits(std::u16string_view units) {
  return QStringView(units.data(), static_cast<qsizetype>(units.size())).toString();
}

std::u16string_view Units(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// UTF-8 as the box reads its text; Qt's own conversion of a lone surrogate has changed between
// releases.
std::string Utf8(const QString& text) {
  return ToUtf8(Units(text));
}

QString FromUtf8(const std::string& utf8) {
  return FromUnits(ToUtf16(utf8));
}

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
  QString text;
  std::size_t caret, caretEnd, start, end;
  QString offered;
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
  QString text = FromUnits(all.substr(0, split));
  if (Overfills(kBox, Units(text))) {  // the box never holds more than it takes
    text = FromUtf8(TruncateCharacters(Utf8(text), DefinitionOf(kBox).maxCharacters));
  }
  const auto at = [&text](std::uint8_t byte) {
    return static_cast<std::size_t>(byte) % static_cast<std::size_t>(text.size() + 1);
  };
  const std::size_t from = std::min(at(header[1]), at(header[2]));
  const std::size_t to = std::max(at(header[1]), at(header[2]));
  const bool dropped = (header[0] & 1U) != 0;
  return {.text = text,
          .caret = from,
          .caretEnd = dropped ? from : to,
          .start = dropped ? at(header[3]) : from,
          .end = dropped ? at(header[3]) : to,
          .offered = FromUnits(all.substr(std::min(split + 1, all.size())))};
}

}  // namespace

std::vector<std::string> EditPathViolations(std::span<const std::uint8_t> input) {
  const Edit edit = Decode(input);
  const QString head = edit.text.left(static_cast<qsizetype>(edit.start));
  const QString tail = edit.text.mid(static_cast<qsizetype>(edit.end));
  const QString attempt = head + edit.offered + tail;
  const EditOutcome outcome =
      TakeEdit(kBox, {.text = Units(edit.text),
                      .start = edit.caret,
                      .end = edit.caretEnd,
                      .attempt = Units(attempt),
                      .caret = static_cast<std::size_t>(head.size() + edit.offered.size())});
  if (outcome.taken) {
    return {};  // the box takes the edit as it is
  }
  std::vector<std::string> violations;
  if (!outcome.refused) {
    violations.emplace_back("the box could not tell the inserted text apart");
    return violations;
  }
  const Insertion& parts = *outcome.refused;
  if (FromUnits(parts.before) != head || FromUnits(parts.after) != tail ||
      FromUnits(parts.inserted) != edit.offered) {
    violations.emplace_back("the text the edit did not replace was taken for inserted, or back");
  }
  const QString kept = FromUnits(outcome.kept);
  const QString held = kept.isEmpty() ? edit.text : head + kept + tail;
  if (Overfills(kBox, Units(held))) {
    violations.emplace_back("the box holds more than it takes");
  }
  const std::string offered = Utf8(edit.offered);
  const std::size_t count = CountCharacters(Utf8(kept));
  if (!edit.offered.startsWith(kept)) {
    violations.emplace_back("what went in is not the start of what was offered");
  } else if (Prefix(offered, count) != Utf8(kept)) {
    violations.emplace_back("what went in splits a character");
  }
  if (const QString longer = FromUtf8(Prefix(offered, count + 1));
      longer.size() > kept.size() && !Overfills(kBox, Units(head + longer + tail))) {
    violations.emplace_back("a character that fits was left out");
  }
  return violations;
}

}  // namespace quendrel::fuzzing
