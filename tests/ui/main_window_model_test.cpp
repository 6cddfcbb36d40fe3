// SPDX-License-Identifier: MIT
#include "ui/main_window_model.h"

#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "tests/printers.h"

namespace quendrel {
namespace {

using enum ElementId;

TEST(MainWindowModel, OpensWithTheDesignedTextsAndEverythingDrawnHidden) {
  const MainWindowModel window;
  const std::vector<std::pair<ElementId, std::string>> texts = {
      {Text1, ""},
      {Text8, ""},
      {Label1, "（姓）"},
      {Label2, "（名）"},
      {Label3, "＊画数計算＊"},
      {Label4, "\u3000"},
      {Label5, ""},
      {Label6, ""},
      {Label7, "\u3000"},
      {Label8, "\u3000"},
      {Label13, "総格"},
      {Label14, "これからの運勢"},
      {Label15, "Quendrel"},
      {Label16, "仕事面の運勢"},
      {Label17, "人間関係の運勢"},
      {Label20, "対人"},
      {Label21, ""},
      {Command1, "画数計算"},
      {Command2, "鑑\u3000定"},
      {Command3, "終\u3000了"},
      {メニュー, "メニュー（&M）"},
      {メニュー終了, "終了(&X)"},
      {メニューヘルプ, "ヘルプ（&H）"},
      {メニューバージョン, "バージョン情報（&A）"},
  };
  for (const auto& [id, text] : texts) {
    EXPECT_EQ(window.text(id), text) << DefinitionOf(id).name;
  }
  int hidden = 0;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    const ElementKind kind = DefinitionOf(id).kind;
    const bool drawnByCommands = kind == ElementKind::Picture || kind == ElementKind::Line;
    EXPECT_EQ(window.isVisible(id), !drawnByCommands) << DefinitionOf(id).name;
    hidden += drawnByCommands ? 1 : 0;
  }
  EXPECT_EQ(hidden, 15 + 39);
  EXPECT_EQ(window.state().Grids, GridValues{});
}

TEST(MainWindowModel, HoldsWhatFitsTheNameBoxesAndNeverMore) {
  MainWindowModel window;
  for (const std::string fits : {"𠮷野家", "か\u3099き\u3099く\u3099", "葛\U000E0100西"}) {
    window.setText(Text1, fits);
    EXPECT_EQ(window.text(Text1), fits);
  }
  // Every path into a box keeps to its limit first; a longer text here is the caller's fault.
  EXPECT_DEBUG_DEATH(window.setText(Text2, "𠮷野家です"), "Overfills");
  window.setText(Text3, "12345");
  EXPECT_EQ(window.text(Text3), "12345") << "count boxes take any text";
}

// Every write alone, or a command's writes at once, each element once and in element order.
TEST(MainWindowModel, TellsItsListenerOfEveryWriteOnceForEachCommand) {
  MainWindowModel window;
  std::vector<std::vector<ElementId>> told;
  window.setChangeListener([&told](std::span<const ElementId> written) {
    told.emplace_back(written.begin(), written.end());
  });
  const auto writeFour = [&window] {
    window.setVisible(Image3, true);
    window.setCaption(Label21, "x");
    window.setText(Text1, "山");
    window.setVisible(Image3, true);
  };
  writeFour();
  EXPECT_EQ(told, (std::vector<std::vector<ElementId>>{{Image3}, {Label21}, {Text1}, {Image3}}));
  told.clear();
  window.perform([&] { window.perform(writeFour); });
  EXPECT_EQ(told, (std::vector<std::vector<ElementId>>{{Text1, Label21, Image3}}));
  told.clear();
  window.perform([] {});
  EXPECT_TRUE(told.empty()) << "a command that writes nothing is not told";
  EXPECT_TRUE(window.isVisible(Image3));
}

}  // namespace
}  // namespace quendrel
