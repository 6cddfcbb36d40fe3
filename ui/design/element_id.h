// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace quendrel {

// Every named element of the main window メイン, under the names the window was designed with.
// The order is the order of the element table; lines keep their numbers, gaps included.
enum class ElementId : std::uint8_t {
  // clang-format off
  Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
  Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
  Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20,
  Label21,
  Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10,
  Image11, Image12, Image13, Image14, Image15,
  Line1, Line2, Line3, Line4, Line5, Line6, Line7, Line8, Line9, Line10,
  Line11, Line12, Line13, Line14, Line15, Line16, Line17, Line18, Line19, Line20,
  Line21, Line22, Line23, Line24, Line25, Line26, Line27,
  Line30, Line31, Line32, Line33,
  Line37, Line38, Line39, Line40,
  Line42, Line43, Line44, Line45,
  Shape1,
  Command1, Command2, Command3,
  メニュー, メニュー終了, メニューヘルプ, メニューバージョン,
  // clang-format on
};

inline constexpr std::size_t kElementCount =
    static_cast<std::size_t>(ElementId::メニューバージョン) + 1;

constexpr std::size_t IndexOf(ElementId id) {
  return static_cast<std::size_t>(id);
}

}  // namespace quendrel
