// SPDX-License-Identifier: MIT
#include <array>

#include "ui/design/element.h"

namespace quendrel {
namespace {

using enum ElementId;
using enum ElementKind;

// Name, kind, initial text or caption, initially visible, most characters a user may type.
// Blank value labels start as one ideographic space (U+3000) or as nothing, as they were drawn.
// clang-format off
constexpr std::array<ElementDefinition, kElementCount> kDefinitions = {{
    {Text1, "Text1", TextBox, "", true, 3},
    {Text2, "Text2", TextBox, "", true, 3},
    {Text3, "Text3", TextBox, "", true, 0},
    {Text4, "Text4", TextBox, "", true, 0},
    {Text5, "Text5", TextBox, "", true, 0},
    {Text6, "Text6", TextBox, "", true, 0},
    {Text7, "Text7", TextBox, "", true, 0},
    {Text8, "Text8", TextBox, "", true, 0},
    {Label1, "Label1", Label, "（姓）", true, 0},
    {Label2, "Label2", Label, "（名）", true, 0},
    {Label3, "Label3", Label, "＊画数計算＊", true, 0},
    {Label4, "Label4", Label, "\u3000", true, 0},
    {Label5, "Label5", Label, "", true, 0},
    {Label6, "Label6", Label, "", true, 0},
    {Label7, "Label7", Label, "\u3000", true, 0},
    {Label8, "Label8", Label, "\u3000", true, 0},
    {Label9, "Label9", Label, "天格", true, 0},
    {Label10, "Label10", Label, "人格", true, 0},
    {Label11, "Label11", Label, "地格", true, 0},
    {Label12, "Label12", Label, "外格", true, 0},
    {Label13, "Label13", Label, "総格", true, 0},
    {Label14, "Label14", Label, "これからの運勢", true, 0},
    {Label15, "Label15", Label, "Quendrel", true, 0},
    {Label16, "Label16", Label, "仕事面の運勢", true, 0},
    {Label17, "Label17", Label, "人間関係の運勢", true, 0},
    {Label18, "Label18", Label, "未来", true, 0},
    {Label19, "Label19", Label, "仕事", true, 0},
    {Label20, "Label20", Label, "対人", true, 0},
    {Label21, "Label21", Label, "", true, 0},
    {Image1, "Image1", Picture, "", false, 0},
    {Image2, "Image2", Picture, "", false, 0},
    {Image3, "Image3", Picture, "", false, 0},
    {Image4, "Image4", Picture, "", false, 0},
    {Image5, "Image5", Picture, "", false, 0},
    {Image6, "Image6", Picture, "", false, 0},
    {Image7, "Image7", Picture, "", false, 0},
    {Image8, "Image8", Picture, "", false, 0},
    {Image9, "Image9", Picture, "", false, 0},
    {Image10, "Image10", Picture, "", false, 0},
    {Image11, "Image11", Picture, "", false, 0},
    {Image12, "Image12", Picture, "", false, 0},
    {Image13, "Image13", Picture, "", false, 0},
    {Image14, "Image14", Picture, "", false, 0},
    {Image15, "Image15", Picture, "", false, 0},
    {Line1, "Line1", Line, "", false, 0},
    {Line2, "Line2", Line, "", false, 0},
    {Line3, "Line3", Line, "", false, 0},
    {Line4, "Line4", Line, "", false, 0},
    {Line5, "Line5", Line, "", false, 0},
    {Line6, "Line6", Line, "", false, 0},
    {Line7, "Line7", Line, "", false, 0},
    {Line8, "Line8", Line, "", false, 0},
    {Line9, "Line9", Line, "", false, 0},
    {Line10, "Line10", Line, "", false, 0},
    {Line11, "Line11", Line, "", false, 0},
    {Line12, "Line12", Line, "", false, 0},
    {Line13, "Line13", Line, "", false, 0},
    {Line14, "Line14", Line, "", false, 0},
    {Line15, "Line15", Line, "", false, 0},
    {Line16, "Line16", Line, "", false, 0},
    {Line17, "Line17", Line, "", false, 0},
    {Line18, "Line18", Line, "", false, 0},
    {Line19, "Line19", Line, "", false, 0},
    {Line20, "Line20", Line, "", false, 0},
    {Line21, "Line21", Line, "", false, 0},
    {Line22, "Line22", Line, "", false, 0},
    {Line23, "Line23", Line, "", false, 0},
    {Line24, "Line24", Line, "", false, 0},
    {Line25, "Line25", Line, "", false, 0},
    {Line26, "Line26", Line, "", false, 0},
    {Line27, "Line27", Line, "", false, 0},
    {Line30, "Line30", Line, "", false, 0},
    {Line31, "Line31", Line, "", false, 0},
    {Line32, "Line32", Line, "", false, 0},
    {Line33, "Line33", Line, "", false, 0},
    {Line37, "Line37", Line, "", false, 0},
    {Line38, "Line38", Line, "", false, 0},
    {Line39, "Line39", Line, "", false, 0},
    {Line40, "Line40", Line, "", false, 0},
    {Line42, "Line42", Line, "", false, 0},
    {Line43, "Line43", Line, "", false, 0},
    {Line44, "Line44", Line, "", false, 0},
    {Line45, "Line45", Line, "", false, 0},
    {Shape1, "Shape1", Shape, "", true, 0},
    {Command1, "Command1", CommandButton, "画数計算", true, 0},
    {Command2, "Command2", CommandButton, "鑑\u3000定", true, 0},
    {Command3, "Command3", CommandButton, "終\u3000了", true, 0},
    {メニュー, "メニュー", Menu, "メニュー（&M）", true, 0},
    {メニュー終了, "メニュー終了", MenuItem, "終了(&X)", true, 0},
    {メニューヘルプ, "メニューヘルプ", Menu, "ヘルプ（&H）", true, 0},
    {メニューバージョン, "メニューバージョン", MenuItem, "バージョン情報（&A）", true, 0},
}};
// clang-format on

constexpr bool InElementOrder() {
  for (std::size_t i = 0; i < kDefinitions.size(); ++i) {
    if (IndexOf(kDefinitions.at(i).id) != i) {
      return false;
    }
  }
  return true;
}
static_assert(InElementOrder());

}  // namespace

const ElementDefinition& DefinitionOf(ElementId id) {
  return kDefinitions.at(IndexOf(id));
}

}  // namespace quendrel
