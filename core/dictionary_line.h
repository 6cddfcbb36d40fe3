// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/name_record.h"

// One line of ENAMDICT as Debian's enamdict ships it: EUC-JP, "陽葵 [ひまり] /(f) Himari/", or
// "さくら /(f) Sakura/" for a name written in kana alone. Each gloss may start with tags; m, f and
// g mark a given name (g: of either sex), u a person's name not yet classified as a given name or
// a surname, the others a surname, a place, a company and so on.
namespace quendrel {

// One line, decoded to UTF-8.
struct DictionaryLine {
  enum class Kind : std::uint8_t { GivenName, PersonName, OtherEntry, Unreadable };
  Kind kind = Kind::Unreadable;
  std::string written;
  std::string reading;  // the written form itself where the line gives no reading
  Sexes sexes = 0;      // m: a boy, f: a girl, g: both
};

// A line without its newline. Unreadable: not of the entry's form, or bytes that are not EUC-JP.
// Only a person's name has its written form and reading decoded.
DictionaryLine ParseDictionaryLine(std::string_view eucJp);

// A line as it stands in the file; decoded only once its form is known to be new.
struct RawLine {
  std::string_view written, reading;
  Sexes sexes;
  bool person;  // a given name, or a person's name not yet classified
};

// The line's parts as the file holds them, with no decoding; none where the line cannot be read.
std::optional<RawLine> ReadLine(std::string_view eucJp);

// EUC-JP as UTF-8; none where a code has no character.
std::optional<std::string> DecodeEucJp(std::string_view bytes);

}  // namespace quendrel
