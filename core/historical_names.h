// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace quendrel {

// A given name with a reading, in hiragana.
struct HistoricalName {
  std::string_view written;
  std::string_view kana;
};

// The familiar given names that only historical persons bear (家康 いえやす), in UTF-8 byte order
// of written form, then reading. Generated from Debian's enamdict.
std::span<const HistoricalName> HistoricalNames();

}  // namespace quendrel
