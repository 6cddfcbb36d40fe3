// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quendrel::test {

// Code points in valid UTF-8: counts continuation bytes out.
inline std::size_t CodePoints(std::string_view utf8) {
  std::size_t count = 0;
  for (const char byte : utf8) {
    count += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
  }
  return count;
}

}  // namespace quendrel::test
