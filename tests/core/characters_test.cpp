// SPDX-License-Identifier: MIT
#include "core/characters.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quendrel {
namespace {

struct SplitCase {
  const char* what;
  std::string text;
  std::vector<std::string> firstThree;
};

// A character is what a reader sees as one, however many code points or UTF-16 units it takes.
const std::vector<SplitCase> kSplitCases = {
    {"empty", "", {}},
    {"short", "山田", {"山", "田"}},
    {"cut after three", "長谷川由美子", {"長", "谷", "川"}},
    {"outside the BMP", "𠮷野家", {"𠮷", "野", "家"}},
    {"decomposed voiced kana", "か\u3099き", {"か\u3099", "き"}},
    {"ideographic variation selector", "葛\U000E0100城", {"葛\U000E0100", "城"}},
    {"lone combining mark", "\u3099山", {"\u3099", "山"}},
    {"spaces count", " 山\u3000", {" ", "山", "\u3000"}},
    {"emoji sequence", "👨‍👩‍👧山", {"👨‍👩‍👧", "山"}},
    {"flags pair up", "🇯🇵🇯🇵", {"🇯🇵", "🇯🇵"}},
    {"embedded NUL", std::string("a\0b", 3), {"a", std::string(1, '\0'), "b"}},
    {"malformed UTF-8 reads as U+FFFD", "\xE5\xB1山", {"\uFFFD", "山"}},
};

TEST(Characters, SplitIntoWhatAReaderSeesAsOne) {
  for (const SplitCase& c : kSplitCases) {
    EXPECT_EQ(FirstCharacters(c.text, 3), c.firstThree) << c.what;
    std::string joined;
    for (const std::string& character : c.firstThree) {
      joined += character;
    }
    EXPECT_EQ(TruncateCharacters(c.text, 3), joined) << c.what;
  }
}

TEST(Characters, CountsCharactersNotCodeUnits) {
  EXPECT_EQ(CountCharacters(""), 0U);
  EXPECT_EQ(CountCharacters("𠮷野家"), 3U);
  EXPECT_EQ(CountCharacters("か\u3099葛\U000E0100"), 2U);
  EXPECT_EQ(CountCharacters("長谷川由美子"), 6U);
}

TEST(Characters, HandleAHugePasteByItsFirstCharacters) {
  std::string paste;
  for (int i = 0; i < 1 << 18; ++i) {
    paste += "山";
  }
  EXPECT_EQ(TruncateCharacters(paste, 3), "山山山");
  EXPECT_EQ(FirstCharacters(paste, 1), std::vector<std::string>{"山"});
  EXPECT_EQ(CountCharacters(paste), 1U << 18);
}

TEST(Characters, LookupFormComposesAndDropsSelectorsButFoldsNothingElse) {
  const std::vector<std::pair<std::string, std::u32string>> cases = {
      {"山", U"山"},
      {"か\u3099", U"が"},            // composed
      {"葛\U000E0100", U"葛"},        // ideographic variation selector dropped
      {"葛\uFE00", U"葛"},            // standard variation selector dropped
      {"か\U000E0100\u3099", U"が"},  // a selector does not block composition
      {"\u3099", U"\u3099"},          // nothing to attach to
      {"ｱ", U"ｱ"},                    // width is not folded
      {"ア", U"ア"},                  // nor kana type
      {"A", U"A"},                    // nor case
      {"\uFA11", U"\uFA11"},          // a unified ideograph that only looks compatible
      {"\U000E0100", U""},
      {"", U""},
  };
  for (const auto& [character, form] : cases) {
    EXPECT_EQ(LookupForm(character), form) << character;
  }
}

TEST(Characters, FoldKatakanaToHiragana) {
  EXPECT_EQ(FoldKana("ヒマリ"), "ひまり");
  EXPECT_EQ(FoldKana("ヴァ・ヽヾー"), "ゔぁ・ゝゞー");
  EXPECT_EQ(FoldKana("陽葵abc"), "陽葵abc");
}

}  // namespace
}  // namespace quendrel
