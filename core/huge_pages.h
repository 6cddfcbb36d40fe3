// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace quendrel {

// Asks that the whole huge pages (2 MiB on x86-64) within an array that is about to be filled
// come as such where the system leaves that to each program, as Debian's kernel does: a page
// fault then maps 512 pages at once, and the dictionary's load touches a hundred megabytes of
// fresh memory. Anywhere else it does nothing.
void PreferHugePages(void* data, std::size_t bytes);

// The same for a container's whole capacity, reserved beforehand.
template <class Container>
void PreferHugePages(Container& container) {
  PreferHugePages(container.data(), container.capacity() * sizeof(*container.data()));
}

}  // namespace quendrel
