// SPDX-License-Identifier: MIT
#include "core/name_dictionary.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/dictionary_load.h"
#include "core/enamdict_reader.h"
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
      {EucJp("陽翔 [はると] /(u) Haruto/"), Kind::PersonName, "陽翔", "はると", 0},
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
  // A reading recorded as a given name, not another's, nor a surname's.
  EXPECT_TRUE(load.names.records("陽葵", "ひまり") && load.names.records("凛", "りん"));
  EXPECT_FALSE(load.names.records("陽葵", "はると") || load.names.records("陽", "ひまり") ||
               load.names.records("佐藤", "さとう"));
  EXPECT_EQ(load.lines, 17U);
  EXPECT_EQ(load.unreadable, 0U);
  EXPECT_EQ(load.names.uncounted(), 1U);  // ゑみ; a name of five characters is no candidate at all
  EXPECT_EQ(load.problem, LoadProblem::None);
  // For boys, the names with a reading estimated a boy's or either's in kana order first (陽葵
  // ひなた among them), then the others as stored.
  const std::vector<std::uint32_t> boys = {0, 7, 1, 8, 2, 3, 4, 9, 5, 10, 6};
  EXPECT_EQ(std::vector(load.names.kanaRanks(kBoy).begin(), load.names.kanaRanks(kBoy).end()),
            boys);
}

TEST(NameDictionary, SkipsAndCountsWhatItCannotRead) {
  struct FileCase {
    std::string bytes;
    std::size_t lines, unreadable, longLines, names;
    LoadProblem problem;
  };
  const std::string good = EucJp("凛 [りん] /(f) Rin/\n");
  const std::string endless(kLongestLine + 1, '\0');
  const std::vector<FileCase> cases = {
      {"", 0, 0, 0, 0, LoadProblem::Empty},
      {good, 1, 0, 0, 1, LoadProblem::None},
      {good + "\n", 2, 1, 0, 1, LoadProblem::None},  // an empty line
      {good + EucJp("蒼 [あおい] /(g) Aoi/"), 2, 0, 0, 2,
       LoadProblem::CutShort},                                                  // no last newline
      {good + EucJp("蒼 [あおい] /(g) A"), 2, 1, 0, 1, LoadProblem::CutShort},  // cut in a line
      {good + "\xFF\xFF\xFF\n" + good, 3, 1, 0, 1, LoadProblem::None},
      {EucJp("凛 [りん] /(f) Rin/\r\n"), 1, 0, 0, 1, LoadProblem::None},  // another system's ends
      {good + endless + "\n" + good, 3, 0, 1, 1, LoadProblem::None},
      {endless + endless, 1, 0, 1, 0, LoadProblem::CutShort},  // as a device that never ends a line
  };
  for (const FileCase& c : cases) {
    const DictionaryLoad load = Load(c.bytes);
    EXPECT_EQ(load.lines, c.lines) << c.bytes.size();
    EXPECT_EQ(load.unreadable, c.unreadable) << c.bytes.size();
    EXPECT_EQ(load.longLines, c.longLines) << c.bytes.size();
    EXPECT_EQ(load.names.size(), c.names) << c.bytes.size();
    EXPECT_EQ(load.problem, c.problem) << c.bytes.size();
  }
}

// The program's own records, whatever the dictionary's tags: a reading once, katakana as
// hiragana, m and f on two lines of one reading as both, a person's name not yet classified as
// given to no one.
TEST(NameDictionary, ReadsTheDictionaryIntoRecordsOfItsOwn) {
  EnamdictReader reader;
  reader.read(
      EucJp("翠 [すい] /(m) Sui/\n佐藤 [さとう] /(s) Satou/\nヒナ /(f) Hina/\n"
            "颯太 [そうた] /(u) Souta/\n翠 [スイ] /(f) Sui/\n山田太郎 [やまだたろう] /(u) Y/"));
  reader.finish();
  const std::vector<NameRecord> expected = {
      {"ヒナ", {{"ひな", kGirl}}},
      {"翠", {{"すい", kBoy | kGirl}}},
      {"颯太", {{"そうた", 0}}},
  };
  EXPECT_EQ(reader.records({}, 2).names, expected);
  EXPECT_EQ(reader.lines(), 6U);  // 山田太郎 is longer than two characters
}

// A reading the source gives to no one is listed where the familiarity source knows it as a given
// name; each reading carries its familiarity and its estimated sex, whatever its tag.
TEST(NameDictionary, ListsWhatTheSourcesKnowAsGivenNames) {
  std::vector<NameRecord> records = {
      {"颯太", {{"そうた", 0}}}, {"佐藤", {{"さとう", 0}}}, {"蓮", {{"はす", 0}, {"れん", kGirl}}}};
  const NameDictionary names{std::move(records)};
  ASSERT_EQ(names.size(), 2U);
  EXPECT_EQ(names[0].written, "颯太");
  EXPECT_EQ(names[1].written, "蓮");
  ASSERT_EQ(names[1].readings.size(), 1U);
  const GivenNameReading& ren = names[1].readings.front();
  EXPECT_EQ(std::tuple(ren.kana, ren.sexes, ren.estimate, ren.familiarity),
            std::tuple("れん", kGirl, kBoy, 3830));
  EXPECT_EQ(names[0].readings.front().familiarity, 4702);
}

TEST(NameDictionary, CountsItsNamesAgainByAnotherRule) {
  NameDictionary names{{{"花々", {{"かか", kGirl}}}, {"蓮", {{"れん", kBoy}}}}};
  names.recount({CountingSchool::Kangxi, false});
  EXPECT_EQ(names[0].counts.strokes, (NameStrokes{10, 10, 0}));
  EXPECT_EQ(names[1].counts.strokes, (NameStrokes{17, 0, 0}));
  names.recount({});
  EXPECT_EQ(names[1].counts.strokes, (NameStrokes{13, 0, 0}));
}

TEST(NameDictionary, HoldsNoMoreNamesThanAListCanOrder) {
  std::vector<NameRecord> records = {
      {"蒼", {{"あおい", kBoy}}}, {"凛", {{"りん", kGirl}}}, {"律", {{"りつ", kBoy}}}};
  const NameDictionary names{std::move(records), {}, 2};
  ASSERT_EQ(names.size(), 2U);
  EXPECT_EQ(names[1].written, "律");  // the first two in kana order
  EXPECT_EQ(names.beyondLimit(), 1U);
}

TEST(NameDictionary, StopsWhenAsked) {
  std::stop_source stop;
  stop.request_stop();
  std::istringstream stream{EucJp(test::kSmallDictionary)};
  const DictionaryLoad load = LoadNameDictionary(stream, 0, stop.get_token());
  EXPECT_EQ(load.problem, LoadProblem::Stopped);
  EXPECT_EQ(load.names.size(), 0U);
}

// What is at the path, and what it is found to be; as root every file can be read.
TEST(NameDictionary, TellsWhatKeptAFileFromBeingRead) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("quendrel-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream{folder / "whole"} << EucJp("凛 [りん] /(f) Rin/\n");
  std::ofstream{folder / "closed"} << EucJp("凛 [りん] /(f) Rin/\n");
  fs::permissions(folder / "closed", fs::perms::none);
  const std::ofstream empty{folder / "empty"};
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), S_IRUSR | S_IWUSR), 0);
  const std::vector<std::pair<fs::path, LoadProblem>> cases = {
      {folder / "whole", LoadProblem::None},
      {folder / "absent", LoadProblem::Missing},
      {folder / "closed", geteuid() == 0 ? LoadProblem::None : LoadProblem::Unreadable},
      {folder, LoadProblem::Directory},
      {"/dev/zero", LoadProblem::Device},
      {folder / "pipe", LoadProblem::Pipe},
      {folder / "empty", LoadProblem::Empty},
  };
  for (const auto& [path, problem] : cases) {
    const DictionaryLoad load = LoadNameDictionary(path.string());
    EXPECT_EQ(load.problem, problem) << path;
    EXPECT_EQ(load.path, path.string());
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quendrel
