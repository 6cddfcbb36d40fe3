// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "core/grids.h"
#include "core/name_reading.h"

// What every list of names shows of a name's reading, as one block of columns beside the list's
// own: the five numbers, then the three theme rows by their fortunes.
namespace quendrel {

// The numbers in the order of kGridRows, then the theme rows in that of kAppraisalThemes.
enum class ReadingField : std::uint8_t {
  Tenkaku,
  Jinkaku,
  Chikaku,
  Gaikaku,
  Soukaku,
  Future,
  Work,
  Relations
};

inline constexpr auto kReadingFields = [] {
  std::array<ReadingField, 8> fields{};
  for (std::size_t k = 0; k < fields.size(); ++k) {
    fields.at(k) = static_cast<ReadingField>(k);
  }
  return fields;
}();

// What a theme row shows for a number with no fortune.
inline constexpr std::string_view kNoFortune = "なし";

constexpr bool IsTheme(ReadingField field) {
  return field >= ReadingField::Future;
}
// The theme of a theme row's field.
AppraisalTheme ThemeOf(ReadingField field);
std::string_view HeaderOf(ReadingField field);

// A number as it is; a theme row as its fortune's name and trend, 「躍進運 急上昇」, or 「なし」.
std::string ReadingCell(const GridValues& grids, ReadingField field);
// The longest text a field's column can show, in characters, that the column be made wide enough
// for any row: three digits, or the catalogue's longest fortune with its trend.
std::string WidestReadingCell(ReadingField field);
// As a screen reader hears it, after its header: "天格 25", "未来 躍進運 急上昇".
std::string ReadingCellHeard(const GridValues& grids, ReadingField field);

// A column of a list: one of the list's own, or a reading field.
template <typename Own>
using ListColumn = std::variant<Own, ReadingField>;

// A list's columns: its own `leading` ones, every reading field, then its own `trailing` ones.
template <typename Own, std::size_t Leading, std::size_t Trailing = 0>
constexpr auto AroundReadings(const std::array<Own, Leading>& leading,
                              const std::array<Own, Trailing>& trailing = {}) {
  constexpr std::size_t kReadings = kReadingFields.size();
  const auto column = [&](std::size_t k) -> ListColumn<Own> {
    if (k < Leading) {
      return leading.at(k);
    }
    if (k < Leading + kReadings) {
      return kReadingFields.at(k - Leading);
    }
    return trailing.at(k - Leading - kReadings);
  };
  // Each made in its place: clang cannot assign to libstdc++'s variants in a constant expression.
  return [&column]<std::size_t... K>(std::index_sequence<K...>) {
    return std::array<ListColumn<Own>, sizeof...(K)>{column(K)...};
  }(std::make_index_sequence<Leading + kReadings + Trailing>{});
}

// Whether a column is a theme row's.
template <typename Own>
constexpr bool IsTheme(const ListColumn<Own>& column) {
  const auto* field = std::get_if<ReadingField>(&column);
  return field != nullptr && IsTheme(*field);
}

// A column's header: a reading field's, or the list's own as its HeaderOf gives it.
template <typename Own>
std::string_view HeaderOf(const ListColumn<Own>& column) {
  return std::visit([](auto field) { return HeaderOf(field); }, column);
}

}  // namespace quendrel
