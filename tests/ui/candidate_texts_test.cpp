// SPDX-License-Identifier: MIT
#include "ui/candidate_texts.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/characters.h"
#include "core/dictionary_load.h"
#include "core/name_reading.h"
#include "tests/euc_jp.h"
#include "ui/dictionary_load_texts.h"
#include "ui/reading_check_texts.h"
#include "ui/stroke_pattern_texts.h"

namespace quendrel {
namespace {

TEST(CandidateTexts, CountsMatchesWithThousandsSeparated) {
  EXPECT_EQ(MatchCount(0), "0件");
  EXPECT_EQ(MatchCount(999), "999件");
  EXPECT_EQ(MatchCount(1234), "1,234件");
  EXPECT_EQ(MatchCount(147639), "147,639件");
  EXPECT_EQ(MatchCount(1000000), "1,000,000件");
}

// 陽葵 with 佐藤: 12·12, 天格 25, 人格 30, 地格 24, 外格 19 and 総格 49.
TEST(CandidateTexts, ShowsARowAndSaysItAsOneLine) {
  std::istringstream stream{test::EucJp(test::kSmallDictionary)};
  const DictionaryLoad load = LoadNameDictionary(stream);
  CandidateList list{load.names};
  list.setSurname(CountNameStrokes(SplitName("佐藤")));
  list.setFilter({SexChoice::Girl, 0, "", "陽葵", true});
  ASSERT_EQ(list.size(), 1U);
  EXPECT_EQ(CandidateCell(list, 0, CandidateField::Rank), "1");
  EXPECT_EQ(CandidateCell(list, 0, CandidateField::Strokes), "12・12");
  EXPECT_EQ(
      CandidateSpeech(list, 0),
      "陽葵 ひなた・ひまり 読み方 ひなた：字の読みで説明できない（陽：ひ（訓）　葵：なた（説明できない））"
      " ひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明できない）） "
      "どちらも なじみ 資料にない名前 12・12 天格 25 人格 30 地格 24 外格 19 総格 49 "
      "未来 細糸運 現状維持 仕事 転落運 急下降 対人 細糸運 現状維持");
  // Under the list: each reading in full, then what the outcome means, or for several readings
  // what every outcome is.
  EXPECT_EQ(CandidateReadingCheck(list, 0),
            "ひなた：字の読みで説明できない（陽：ひ（訓）　葵：なた（説明できない））\n"
            "ひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明できない））\n" +
                std::string{kFitRule});
  list.setFilter({SexChoice::Girl, 0, "", "凛", true});
  EXPECT_EQ(CandidateReadingCheck(list, 0),
            "りん：字の読みどおり（凛：りん（音））\nどの字もその字の読みで読んでいます。");
  list.setFilter({SexChoice::Either, 0, "", "麗鷹", true});  // 総格 68
  EXPECT_EQ(CandidateCell(list, 0, ReadingField::Future), "なし");
  EXPECT_EQ(CandidateCell(list, 0, CandidateField::Sex), "男の子");
  EXPECT_EQ(CandidateCell(list, 0, CandidateField::Fit), "字の読みどおり");  // れ(い)・おう
}

// Each outcome in the words a parent reads: every character's part with how it is read, and one
// line of what the outcome means, naming the part that nothing explains.
TEST(CandidateTexts, SaysAReadingCheckInAParentsWords) {
  struct CheckCase {
    std::string_view written, reading, line, advice;
  };
  const CheckCase cases[] = {
      {"千鶴", "ちづる", "ちづる：字の読みどおり（千：ち（訓）　鶴：づる（訓・濁音））",
       "どの字もその字の読みで読んでいます。"},
      {"悦子", "えっこ", "えっこ：字の読みどおり（悦：えっ（音・促音）　子：こ（訓））",
       "どの字もその字の読みで読んでいます。"},
      {"美空", "そら", "そら：一部の読み・読まない字を含む（美：読まない　空：そら（訓））",
       "字の読みの一部や読まない字で読んでいます。認められる読み方ですが、役所で尋ねられることが"
       "あります。"},
      {"心愛", "ここあ",
       "ここあ：一部の読み・読まない字を含む（心：ここ（訓・一部）　愛：あ（名乗り））",
       "字の読みの一部や読まない字で読んでいます。認められる読み方ですが、役所で尋ねられることが"
       "あります。"},
      {"太郎", "じろう", "じろう：字の読みで説明できない（太：じ（説明できない）　郎：ろう（音））",
       "「じ」は字の読みで説明できません。受け付けるかは役所が決め、根拠を求めることがあります。"},
      {"さくら", "さくら", "さくら：字の読みどおり（さ：さ　く：く　ら：ら）",
       "どの字もその字の読みで読んでいます。"},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(ReadingCheckLine(c.written, c.reading), c.line);
    EXPECT_EQ(FitAdvice(ExplainReading(c.written, c.reading)), c.advice) << c.line;
  }
  // The dictionary's record is said once, for one reading or for all.
  const std::vector<std::string> two = {"ひろと", "はると"};
  EXPECT_EQ(ReadingCheckLines("大翔", std::span{two}.first(1), true),
            "ひろと：字の読みどおり（大：ひろ（名乗り）　翔：と（訓））、名前の辞書にある読み");
  EXPECT_EQ(
      ReadingCheckLines("大翔", two, true),
      "ひろと：字の読みどおり（大：ひろ（名乗り）　翔：と（訓））\u3000はると：字の読みで説明できない"
      "（大：はる（説明できない）　翔：と（訓））。どれも名前の辞書にある読み");
  EXPECT_EQ(ReadingCheckLines("大翔", two, false).find(kRecordedReading), std::string::npos);
  const std::vector<ReadingFit> fits = {ReadingFit::Unexplained, ReadingFit::AsRead,
                                        ReadingFit::Unexplained};
  EXPECT_EQ(FitCounts(fits),
            (std::vector<std::string>{"字の読みどおり 1", "字の読みで説明できない 2"}));
}

// The cells every list of readings shares, and the stroke-count page's own captions and items.
TEST(CandidateTexts, SharedCellsAndThePatternPagesWords) {
  EXPECT_EQ(CountsCell({12, 0, 3}, 3), "12・？・3");  // a character nothing counts
  EXPECT_EQ(CountsCell({7, 18, 0}, 2), "7・18");
  const GridValues grids{25, 30, 24, 19, 49};  // 佐藤 陽葵
  const std::array<std::string_view, kReadingFields.size()> cells = {
      "25", "30", "24", "19", "49", "細糸運 現状維持", "転落運 急下降", "細糸運 現状維持"};
  for (const ReadingField field : kReadingFields) {
    EXPECT_EQ(ReadingCell(grids, field), cells.at(static_cast<std::size_t>(field)));
  }
  EXPECT_EQ(ReadingCell(GridValues{1, 2, 3, 4, 68}, ReadingField::Future), "なし");
  // Columns are made as wide as the longest cell any row can show.
  EXPECT_EQ(WidestCountsCell(), "29・29・29");
  for (std::int32_t number = 0; number <= 180; ++number) {
    const GridValues every{number, number, number, number, number};
    for (const ReadingField field : kReadingFields) {
      EXPECT_LE(CountCharacters(ReadingCell(every, field)),
                CountCharacters(WidestReadingCell(field)))
          << number;
    }
  }
  EXPECT_EQ(PositionCaption(0, 12), "1文字目 12画(&U)");
  EXPECT_EQ(PositionCaption(2, 5), "3文字目 5画(&O)");
  EXPECT_EQ(CharacterItem({"陽", "ひ・あき"}), "陽\u3000ひ・あき");
  EXPECT_EQ(CharacterItem({"さ", "さ"}), "さ");  // a kana is not read twice
}

// What the window says of each load: the installed file is mended by its package, another by
// the variable that named it; what was skipped is counted after.
TEST(CandidateTexts, SaysWhatKeptTheDictionaryFromBeingRead) {
  struct NotesCase {
    std::string path;
    LoadProblem problem;
    std::size_t longLines;
    std::string_view said;
  };
  const std::string installed{kInstalledDictionary};
  const std::vector<NotesCase> cases = {
      {installed, LoadProblem::None, 0, ""},
      {installed, LoadProblem::Missing, 0,
       "名前の辞書 /usr/share/edict/enamdict がありません。「sudo apt install enamdict」で入れてか"
       "ら、「辞書を読み直す」を押してください。"},
      {"/tmp/d", LoadProblem::Empty, 0,
       "名前の辞書 /tmp/d は空です。環境変数 QUENDREL_ENAMDICT で辞書のファイルを指すか外してから"
       "、このプログラムを開き直してください。"},
      {"/tmp/d", LoadProblem::Unreadable, 0,
       "名前の辞書 /tmp/d を読む権限がありません。ファイルとそのフォルダーの権限を確かめてから、「"
       "辞書を読み直す」を押してください。"},
      {installed, LoadProblem::Changed, 2,
       "名前の辞書 /usr/share/edict/enamdict が読んでいる間に書き換わったので、一覧は途中までの名"
       "前かもしれません。「辞書を読み直す」を押してください。辞書の項目より長い 2 行は飛ばしまし"
       "た。"},
  };
  for (const NotesCase& c : cases) {
    DictionaryLoad load;
    load.path = c.path;
    load.problem = c.problem;
    load.longLines = c.longLines;
    EXPECT_EQ(LoadNotes(load), c.said);
    EXPECT_EQ(HasNames(load), c.problem == LoadProblem::None || c.problem == LoadProblem::Changed);
  }
}

}  // namespace
}  // namespace quendrel
