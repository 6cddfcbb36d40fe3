// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quendrel {

// 0 stands alike for a missing character and for one the table lacks.
using StrokeCount = std::int32_t;

struct StrokeEntry {
  char32_t character;
  StrokeCount strokes;
};

// Entries are addressed by the positions they were published under, which start at 16.
inline constexpr int kFirstStrokePosition = 16;
inline constexpr int kLastStrokePosition = 2246;
inline constexpr std::size_t kStrokeEntryCount = kLastStrokePosition - kFirstStrokePosition + 1;

// Every entry in position order: index 0 holds position 16. Three characters appear twice with
// different counts; the later entry is the one that counts.
std::span<const StrokeEntry, kStrokeEntryCount> StrokeTable();

// The entry at a position from kFirstStrokePosition to kLastStrokePosition.
const StrokeEntry& StrokeEntryAt(int position);

}  // namespace quendrel
