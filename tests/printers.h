// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "core/grids.h"
#include "core/name_shape.h"
#include "core/sex_estimate.h"

// Readable failure messages for the value types tests compare.
namespace quendrel {

inline void PrintTo(const GridValues& grids, std::ostream* out) {
  *out << "{天格 " << grids.Tenkaku << ", 人格 " << grids.Jinkaku << ", 地格 " << grids.Chikaku
       << ", 外格 " << grids.Gaikaku << ", 総格 " << grids.Soukaku << "}";
}

inline void PrintTo(const NameShape& shape, std::ostream* out) {
  *out << shape.surname << " × " << shape.given;
}

inline void PrintTo(SexEstimate sex, std::ostream* out) {
  constexpr const char* kNames[] = {"Boy", "Girl", "Either"};
  *out << kNames[static_cast<int>(sex)];
}

}  // namespace quendrel
