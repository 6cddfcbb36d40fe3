// SPDX-License-Identifier: MIT
#pragma once

#include "core/diagram_lines.h"

// Every named element of the main window メイン, under the names the window was designed with,
// in the order of the element table: the one list of them, from which the element ids, their
// names and their definitions are made (ui/design/element_id.h, ui/design/element.h).
//
// ELEMENT(name, kind, text, visible, limit) gives an element that is not a diagram line: its kind
// (ElementKind), its text as a box starts or its caption, whether it starts visible, and for a
// box the user types a name into the most characters it takes (0: no limit). Blank value labels
// start as one ideographic space (U+3000) or as nothing, as they were drawn. LINE(name) gives a
// diagram line, which starts hidden; they stand between the pictures and the panel.
// clang-format off
#define QUENDREL_ELEMENTS(ELEMENT, LINE) \
  ELEMENT(Text1, TextBox, "", true, kNameLength) \
  ELEMENT(Text2, TextBox, "", true, kNameLength) \
  ELEMENT(Text3, TextBox, "", true, 0) \
  ELEMENT(Text4, TextBox, "", true, 0) \
  ELEMENT(Text5, TextBox, "", true, 0) \
  ELEMENT(Text6, TextBox, "", true, 0) \
  ELEMENT(Text7, TextBox, "", true, 0) \
  ELEMENT(Text8, TextBox, "", true, 0) \
  ELEMENT(Label1, Label, "（姓）", true, 0) \
  ELEMENT(Label2, Label, "（名）", true, 0) \
  ELEMENT(Label3, Label, "＊画数計算＊", true, 0) \
  ELEMENT(Label4, Label, "\u3000", true, 0) \
  ELEMENT(Label5, Label, "", true, 0) \
  ELEMENT(Label6, Label, "", true, 0) \
  ELEMENT(Label7, Label, "\u3000", true, 0) \
  ELEMENT(Label8, Label, "\u3000", true, 0) \
  ELEMENT(Label9, Label, "天格", true, 0) \
  ELEMENT(Label10, Label, "人格", true, 0) \
  ELEMENT(Label11, Label, "地格", true, 0) \
  ELEMENT(Label12, Label, "外格", true, 0) \
  ELEMENT(Label13, Label, "総格", true, 0) \
  ELEMENT(Label14, Label, "これからの運勢", true, 0) \
  ELEMENT(Label15, Label, "Quendrel", true, 0) \
  ELEMENT(Label16, Label, "仕事面の運勢", true, 0) \
  ELEMENT(Label17, Label, "人間関係の運勢", true, 0) \
  ELEMENT(Label18, Label, "未来", true, 0) \
  ELEMENT(Label19, Label, "仕事", true, 0) \
  ELEMENT(Label20, Label, "対人", true, 0) \
  ELEMENT(Label21, Label, "", true, 0) \
  ELEMENT(Image1, Picture, "", false, 0) \
  ELEMENT(Image2, Picture, "", false, 0) \
  ELEMENT(Image3, Picture, "", false, 0) \
  ELEMENT(Image4, Picture, "", false, 0) \
  ELEMENT(Image5, Picture, "", false, 0) \
  ELEMENT(Image6, Picture, "", false, 0) \
  ELEMENT(Image7, Picture, "", false, 0) \
  ELEMENT(Image8, Picture, "", false, 0) \
  ELEMENT(Image9, Picture, "", false, 0) \
  ELEMENT(Image10, Picture, "", false, 0) \
  ELEMENT(Image11, Picture, "", false, 0) \
  ELEMENT(Image12, Picture, "", false, 0) \
  ELEMENT(Image13, Picture, "", false, 0) \
  ELEMENT(Image14, Picture, "", false, 0) \
  ELEMENT(Image15, Picture, "", false, 0) \
  QUENDREL_DIAGRAM_LINES(LINE) \
  ELEMENT(Shape1, Shape, "", true, 0) \
  ELEMENT(Command1, CommandButton, "画数計算", true, 0) \
  ELEMENT(Command2, CommandButton, "鑑\u3000定", true, 0) \
  ELEMENT(Command3, CommandButton, "終\u3000了", true, 0) \
  ELEMENT(メニュー, Menu, "メニュー（&M）", true, 0) \
  ELEMENT(メニュー終了, MenuItem, "終了(&X)", true, 0) \
  ELEMENT(メニューヘルプ, Menu, "ヘルプ（&H）", true, 0) \
  ELEMENT(メニューバージョン, MenuItem, "バージョン情報（&A）", true, 0)
// clang-format on
