// SPDX-License-Identifier: MIT
#include "ui/window_commands.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/about.h"
#include "ui/name_strip.h"

namespace quendrel {
namespace {

class RecordingPlatform final : public WindowPlatform {
 public:
  void endApplication() override { calls.emplace_back("end"); }
  void showAboutModally() override { calls.emplace_back("about"); }
  std::vector<std::string> calls;
};

TEST(WindowCommands, EndOrOpenTheAboutDialogAndNothingElse) {
  RecordingPlatform platform;
  Command3_Click(platform);
  メニュー終了_Click(platform);
  メニューバージョン_Click(platform);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"end", "end", "about"}));
}

TEST(AboutTexts, LoadTheTitleAndVersionEachTime) {
  const AboutTexts first = form_load();
  EXPECT_EQ(first.caption, "quendrelのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(first.version, "ﾊﾞｰｼﾞｮﾝ 1.0.0");
  EXPECT_EQ(first.title, "quendrel");
  EXPECT_EQ(form_load().caption, first.caption);
  EXPECT_EQ(std::count(AboutDescription().begin(), AboutDescription().end(), '\n'), 1);
  EXPECT_NE(AboutDisclaimer().find("MIT"), std::string_view::npos);
  EXPECT_NE(AboutDisclaimer().find("issue tracker"), std::string_view::npos);
}

TEST(NameStrip, PutsEachPieceOfTheNameLineOnARowOfItsOwn) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"＊画数計算＊", "＊\n画\n数\n計\n算\n＊"},
      {"長谷川由美子", "長\n谷\n川\n由\n美\n子"},
      {"山田  太郎", "山\n田\n  \n太\n郎"},
      {"☆林  一☆", "☆\n林\n  \n一\n☆"},
      {"☆  太郎", "☆\n\n  \n太\n郎"},  // an empty surname box keeps its row
      {"☆  ☆", "☆\n\n  \n☆"},
      {"☆   太郎", "☆\n  \n \n太\n郎"},  // a surname that is one typed space
      {"☆    ☆", "☆\n  \n \n \n☆"},      // and a given name too
      {"長谷川 美子", "長\n谷\n川\n \n美\n子"},
      {"𠮷野家か\u3099", "𠮷\n野\n家\nか\u3099"},
      {"\u3000山", "\u3000\n山"},  // a full-width space is a character that takes a row
      {"", ""},
  };
  for (const auto& [caption, rows] : cases) {
    EXPECT_EQ(NameStripRows(caption), rows) << caption;
  }
}

}  // namespace
}  // namespace quendrel
