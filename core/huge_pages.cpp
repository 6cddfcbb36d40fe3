// SPDX-License-Identifier: MIT
#include "core/huge_pages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace quendrel {

void PreferHugePages(void* data, std::size_t bytes) {
#ifdef __linux__
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20U;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (begin + bytes) & ~(kHugePage - 1);
  if (first < end) {
    // Only a hint: a kernel without huge pages refuses it, and the array is filled as before.
    static_cast<void>(
        madvise(static_cast<char*>(data) + (first - begin), end - first, MADV_HUGEPAGE));
  }
#else
  static_cast<void>(data);
  static_cast<void>(bytes);
#endif
}

}  // namespace quendrel
