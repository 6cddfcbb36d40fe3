// SPDX-License-Identifier: MIT
#include "core/name_dictionary.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/euc_jp.h"

namespace quendrel {
namespace {

using test::EucJp;
using Kind = DictionaryLine::Kind;

struct LineCase {
  std::string bytes;
  Kind kind;
  std::string_view written, reading;
  Sexes sexes;
};

TEST(NameDictionary, ReadsEachLineOfTheDictionary) {
  const std::vector<LineCase> cases = {
      {EucJp("陽葵 [ひまり] /(f) Himari/"), Kind::GivenName, "陽葵", "ひまり", kGirl},
      {EucJp("さくら /(f) Sakura/"), Kind::GivenName, "さくら", "さくら", kGirl},
      {EucJp("蒼 [あおい] /(f,s) Aoi/"), Kind::GivenName, "蒼", "あおい", kGirl},
      {EucJp("翔 [しょう] /(g) Shou/"), Kind::GivenName, "翔", "しょう", kBoy | kGirl},
      {EucJp("アイ /(p) Ay/(f) Ai/"), Kind::GivenName, "アイ", "アイ", kGirl},  // a later gloss
      {EucJp("直 [なお] /(m,f) Nao/"), Kind::GivenName, "直", "なお", kBoy | kGirl},
      {EucJp("佐藤 [さとう] /(s) Satou/"), Kind::OtherEntry, "", "", 0},
      {EucJp("ＭＩ６ [エムアイシックス] /(o) MI6 (from Military Intelligence)/"), Kind::OtherEntry,
       "", "", 0},
      {EucJp("駿豆 [すんず] /Suruga and Izu/"), Kind::OtherEntry, "", "", 0},  // no tags
      {EucJp("陽翔 [はると] /(m) Haru"), Kind::Unreadable, "", "", 0},         // cut off
      {EucJp("陽葵 [ひまり /(f) Himari/"), Kind::Unreadable, "", "", 0},
      {EucJp(" /(f) Nanashi/"), Kind::Unreadable, "", "", 0},
      {EucJp("あ(f) A/"), Kind::Unreadable, "", "", 0},
      {"", Kind::Unreadable, "", "", 0},
      {"\xB0\x41 /(f) Bad/", Kind::Unreadable, "", "", 0},  // a lead byte before ASCII
      {"\xB0\xA1\xB0 /(f) Cut/", Kind::Unreadable, "", "", 0},
      {"\xAD\xFE /(f) Unmapped/", Kind::Unreadable, "", "", 0},  // no character there
  };
  for (const LineCase& c : cases) {
    const DictionaryLine line = ParseDictionaryLine(c.bytes);
    EXPECT_EQ(line.kind, c.kind) << c.bytes;
    EXPECT_EQ(line.written, c.written) << c.bytes;
    EXPECT_EQ(line.reading, c.reading) << c.bytes;
    EXPECT_EQ(line.sexes, c.sexes) << c.bytes;
  }
}

DictionaryLoad Load(const std::string& bytes) {
  std::istringstream stream{bytes};
  return LoadNameDictionary(stream);
}

// Each name once, in kana order of its first reading, with all its readings and who they are for.
TEST(NameDictionary, GathersEachWrittenFormWithAllItsReadings) {
  const DictionaryLoad load = Load(EucJp(test::kSmallDictionary));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < load.names.size(); ++i) {
    const NameDictionary::Name& name = load.names[i];
    std::string line{name.written};
    for (const GivenNameReading& reading : name.readings) {
      line.append(" ").append(reading.kana).append(std::to_string(reading.sexes));
    }
    names.push_back(line + (name.nameCharactersOnly ? "" : " *"));
  }
  const std::vector<std::string> expected = {
      "蒼 あおい3",           "さくら さくら2", "翠 すい3",       "紬 つむぎ2", "陽翔 はると1",
      "陽葵 ひなた2 ひまり2", "大翔 ひろと1",   "侭子 ままこ2 *", "律 りつ1",   "凛 りん2",
      "麗鷹 れおう1",
  };
  EXPECT_EQ(names, expected);
  EXPECT_EQ(load.lines, 17U);
  EXPECT_EQ(load.unreadable, 0U);
  EXPECT_EQ(load.uncounted, 1U);  // ゑみ; a name of five characters is no candidate at all
  EXPECT_TRUE(load.complete);
  // For boys, the boys' readings in kana order first, then the girls' names as stored.
  const std::vector<std::uint32_t> boys = {0, 6, 1, 7, 2, 8, 3, 9, 4, 10, 5};
  EXPECT_EQ(std::vector(load.names.kanaRanks(kBoy).begin(), load.names.kanaRanks(kBoy).end()),
            boys);
}

TEST(NameDictionary, SkipsAndCountsWhatItCannotRead) {
  struct FileCase {
    std::string bytes;
    std::size_t lines, unreadable, names;
  };
  const std::string good = EucJp("凛 [りん] /(f) Rin/\n");
  const std::vector<FileCase> cases = {
      {"", 0, 0, 0},
      {good, 1, 0, 1},
      {good + "\n", 2, 1, 1},                            // an empty line
      {good + EucJp("蒼 [あおい] /(g) Aoi/"), 2, 0, 2},  // no final newline
      {good + EucJp("蒼 [あおい] /(g) A"), 2, 1, 1},     // cut in a line
      {good + "\xFF\xFF\xFF\n" + good, 3, 1, 1},
      {EucJp("凛 [りん] /(f) Rin/\r\n"), 1, 0, 1},  // another system's line ends
  };
  for (const FileCase& c : cases) {
    const DictionaryLoad load = Load(c.bytes);
    EXPECT_EQ(load.lines, c.lines) << c.bytes;
    EXPECT_EQ(load.unreadable, c.unreadable) << c.bytes;
    EXPECT_EQ(load.names.size(), c.names) << c.bytes;
  }
}

TEST(NameDictionary, FoldsKatakanaToHiragana) {
  EXPECT_EQ(FoldKana("ヒマリ"), "ひまり");
  EXPECT_EQ(FoldKana("ヴァ・ヽヾー"), "ゔぁ・ゝゞー");
  EXPECT_EQ(FoldKana("陽葵abc"), "陽葵abc");
}

}  // namespace
}  // namespace quendrel
