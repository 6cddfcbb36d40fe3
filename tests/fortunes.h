// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/fortune_catalogue.h"

namespace quendrel::test {

// The entry of a number that has a fortune. A missing one fails the test that asked, through the
// exception GoogleTest reports, instead of reading an empty optional.
inline FortuneEntry FortuneOf(std::int32_t number) {
  const std::optional<FortuneEntry> entry = FindFortune(number);
  if (!entry) {
    throw std::out_of_range("no fortune for " + std::to_string(number));
  }
  return *entry;
}

}  // namespace quendrel::test
