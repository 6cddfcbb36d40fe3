// SPDX-License-Identifier: MIT
#include "core/reading_check.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace quendrel {
namespace {

// An explanation in short: each part as 字:よみ, with 音 訓 名 か for its kind, ／ for an unread
// character, ？ for a part no reading explains, and 濁 半 促 短 一 for its changes.
std::string Brief(const ReadingExplanation& explanation) {
  std::string brief;
  for (const ReadingPart& part : explanation.parts) {
    constexpr std::string_view kKinds[] = {"音", "訓", "名", "か", "／", "？"};
    brief += (brief.empty() ? "" : " ") + part.written + ":" + part.kana +
             std::string{kKinds[static_cast<int>(part.kind)]};
    constexpr std::pair<std::uint8_t, std::string_view> kMarks[] = {{kVoiced, "濁"},
                                                                    {kSemiVoiced, "半"},
                                                                    {kGeminated, "促"},
                                                                    {kShortened, "短"},
                                                                    {kPartial, "一"}};
    for (const auto& [bit, mark] : kMarks) {
      brief += (part.changes & bit) != 0 ? mark : "";
    }
  }
  return brief;
}

struct Case {
  std::string_view written, reading;
  ReadingFit fit;
  std::string_view brief;
};

constexpr ReadingFit kAsRead = ReadingFit::AsRead;
constexpr ReadingFit kLoosely = ReadingFit::Loosely;
constexpr ReadingFit kNot = ReadingFit::Unexplained;

TEST(ReadingCheck, ExplainsAReadingByItsCharacters) {
  const Case cases[] = {
      // What the guidance accepts: part of a reading, a reading of the whole, an unread character.
      {"心愛", "ここあ", kLoosely, "心:ここ訓一 愛:あ名"},
      {"桜良", "さら", kAsRead, "桜:さ名 良:ら名"},
      {"美空", "そら", kLoosely, "美:／ 空:そら訓"},
      {"彩夢", "ゆめ", kLoosely, "彩:／ 夢:ゆめ訓"},
      // What it refuses: a reading with no tie, a word added, the opposite, a misreading.
      {"太郎", "ジョージ", kNot, "太郎:じょうじ？"},
      {"健", "ケンイチロウ", kNot, "健:けんいちろう？"},
      {"健", "けんさま", kNot, "健:けんさま？"},
      {"高", "ひくし", kNot, "高:ひくし？"},
      {"太郎", "じろう", kNot, "太:じ？ 郎:ろう音"},
      // Voicing, っ, a long vowel shortened, the whole of a kun word, a repeat mark.
      {"千鶴", "ちづる", kAsRead, "千:ち訓 鶴:づる訓濁"},
      {"大河", "たいが", kAsRead, "大:たい音 河:が音濁"},
      {"一輝", "いっき", kAsRead, "一:いっ名 輝:き音"},
      {"一平", "いっぺい", kAsRead, "一:いっ名 平:ぺい音半"},
      {"悦子", "えっこ", kAsRead, "悦:えっ音促 子:こ訓"},
      {"優奈", "ゆな", kAsRead, "優:ゆ名 奈:な音"},
      {"翔太", "しょうた", kAsRead, "翔:しょう音 太:た音"},
      {"結翔", "ゆいと", kAsRead, "結:ゆい名 翔:と訓"},
      {"菜々", "なな", kAsRead, "菜:な訓 々:な訓"},
      {"陽葵", "ひまり", kNot, "陽:ひ訓 葵:まり？"},
      {"明", "あかり", kAsRead, "明:あかり訓"},  // あ.かり, the stem and its okurigana
      {"湊", "みな", kLoosely, "湊:みな訓一"},
      {"翔", "し", kNot, "翔:し？"},      // しょう is not cut before its ょ
      {"美", "そら", kNot, "美:そら？"},  // a name's only character is read
      {"髙", "たか", kNot, "髙:たか？"},  // no reading outside the allowed kanji
      {"太郎丸", "じょうじまる", kNot, "太郎:じょうじ？ 丸:まる訓"},
      {"時々", "ときどき", kAsRead, "時:とき訓 々:どき訓"},
      {"すゞ", "すず", kAsRead, "す:すか ゞ:ずか"},
      {"翔子", "しょこ", kAsRead, "翔:しょ音短 子:こ訓"},
      {"結愛", "ゆあ", kAsRead, "結:ゆ訓 愛:あ名"},  // ゆ.う, the stem
      {"一輝", "イッキ", kAsRead, "一:いっ名 輝:き音"},
      {"ゆり子", "ゆりこ", kAsRead, "ゆ:ゆか り:りか 子:こ訓"},
      {"濫", "みだりがましい", kAsRead, "濫:みだりがましい訓"},  // the longest reading of all
      {"大翔", "やまと", kNot, "大:やま？ 翔:と訓"},
      // Kana, and a long-vowel mark read as its vowel.
      {"さくら", "サクラ", kAsRead, "さ:さか く:くか ら:らか"},
      {"マリー", "まりい", kAsRead, "マ:まか リ:りか ー:いか"},
      {"ジョージ", "じょうじ", kAsRead, "ジ:じか ョ:ょか ー:うか ジ:じか"},
      {"恵子", "ケーコ", kAsRead, "恵:けい音 子:こ訓"},
      {"", "はると", kNot, ""},
      {"陽翔", "", kNot, ""},
  };
  for (const Case& c : cases) {
    const ReadingExplanation explanation = ExplainReading(c.written, c.reading);
    EXPECT_EQ(explanation.fit, c.fit) << c.written << " " << c.reading;
    EXPECT_EQ(CheckReading(c.written, c.reading), c.fit) << c.written << " " << c.reading;
    EXPECT_EQ(Brief(explanation), c.brief) << c.written << " " << c.reading;
  }
}

}  // namespace
}  // namespace quendrel
