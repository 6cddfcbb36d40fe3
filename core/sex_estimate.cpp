// SPDX-License-Identifier: MIT
#include "core/sex_estimate.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <ranges>
#include <span>
#include <utility>
#include <vector>

// The rule asks four tables in turn, the most particular first, and the first row that matches
// answers:
//   1. one-character names by character and reading, where the reading alone would mislead
//      (蓮 れん is a boy, 恋 れん a girl) or nothing else reaches (陸 りく, 楓 かえで);
//   2. the written form's last characters, with the reading's end where the character also ends
//      names of the other kind (〜太 read た, but 〜太 read ふと is left alone);
//   3. whole readings whose sex does not hang on the writing, or that the endings below would get
//      wrong: まお ends as a boy's お does, ゆたか as a girl's か;
//   4. the reading's end alone, some only after enough kana: よし ends a boy's name after two
//      (まさよし) but a girl's as often after one (みよし).
//
// What a Japanese reader takes for granted about the writing holds firm: 〜郎, 〜介, 〜彦 are
// boys' and 〜子, 〜美, 〜奈 girls' whatever a tag says. A reading's end alone is weaker: of the
// readings ending in か, のりか and ゆうか are girls' but ゆたか and まさたか boys'; こ, み, な and
// か end almost only girls' names, but a 克己 かつみ or a 拓海 たくみ shows they are no proof. So
// those rows only lean (Lean): a tag of one sex alone overrides them, while a tag of both (g),
// which ENAMDICT puts mostly on old men's names, does not.
namespace quendrel {
namespace {

using enum SexEstimate;

struct OneCharacterName {
  std::string_view written, kana;
  SexEstimate sex;
};

// clang-format off
constexpr OneCharacterName kOneCharacterNames[] = {
    {"陸", "りく", Boy},    {"湊", "みなと", Boy},  {"蓮", "れん", Boy},    {"廉", "れん", Boy},
    {"蒼", "あお", Boy},    {"蒼", "そう", Boy},    {"颯", "そう", Boy},    {"樹", "いつき", Boy},
    {"直", "なお", Boy},    {"岳", "がく", Boy},    {"拓", "たく", Boy},    {"健", "けん", Boy},
    {"仁", "じん", Boy},    {"新", "あらた", Boy},  {"大", "だい", Boy},
    {"恋", "れん", Girl},   {"楓", "かえで", Girl}, {"雫", "しずく", Girl}, {"凛", "りん", Girl},
    {"凜", "りん", Girl},   {"紬", "つむぎ", Girl}, {"萌", "もえ", Girl},   {"舞", "まい", Girl},
    {"結", "ゆい", Girl},   {"唯", "ゆい", Girl},   {"咲", "さき", Girl},   {"杏", "あん", Girl},
    {"椿", "つばき", Girl}, {"菫", "すみれ", Girl}, {"蘭", "らん", Girl},   {"雅", "みやび", Girl},
    {"望", "のぞみ", Girl},
    {"凪", "なぎ", Either}, {"司", "つかさ", Either}, {"玲", "れい", Either}, {"優", "ゆう", Either},
    {"悠", "ゆう", Either},
};
// clang-format on

struct WrittenEnding {
  std::string_view written;  // the written form's last characters
  std::string_view kana;     // the reading's last kana; empty: any reading
  SexEstimate sex;
};

// A character that ends both kinds, like 希 (早希 さき, 大希 だいき) or 海 (七海 ななみ, 拓海
// たくみ), is left to the reading.
// clang-format off
constexpr WrittenEnding kWrittenEndings[] = {
    // Boys', however read.
    {"郎", "", Boy},   {"彦", "", Boy},   {"介", "", Boy},   {"輔", "", Boy},   {"助", "", Boy},
    {"衛門", "", Boy}, {"兵衛", "", Boy}, {"平", "", Boy},   {"吉", "", Boy},   {"蔵", "", Boy},
    {"造", "", Boy},   {"雄", "", Boy},   {"男", "", Boy},   {"夫", "", Boy},   {"丸", "", Boy},
    {"麿", "", Boy},   {"臣", "", Boy},
    // Boys' when read so.
    {"朗", "ろう", Boy}, {"一", "いち", Boy}, {"一", "かず", Boy}, {"一", "ひと", Boy},
    {"太", "た", Boy},   {"汰", "た", Boy},   {"斗", "と", Boy},   {"翔", "と", Boy},
    {"翔", "しょう", Boy}, {"人", "と", Boy}, {"人", "ひと", Boy}, {"馬", "ま", Boy},
    {"磨", "ま", Boy},   {"治", "じ", Boy},   {"司", "じ", Boy},   {"二", "じ", Boy},
    {"次", "じ", Boy},   {"児", "じ", Boy},   {"爾", "じ", Boy},   {"嗣", "じ", Boy},
    {"慈", "じ", Boy},
    // Girls', however read.
    {"姫", "", Girl},  {"媛", "", Girl},  {"妃", "", Girl},  {"桜", "", Girl},  {"月", "", Girl},
    {"波", "", Girl},  {"彩", "", Girl},  {"萌", "", Girl},  {"鈴", "", Girl},  {"鶴", "", Girl},
    // Girls' when read so: 佳 read よし, 恵 read けい, 世 read せい end boys' names, and 理 or
    // 利 read り ends girls' names (真理 まり) but read のり or とし boys'.
    {"子", "こ", Girl},  {"心", "こ", Girl},  {"瑚", "こ", Girl},  {"湖", "こ", Girl},
    {"胡", "こ", Girl},  {"美", "み", Girl},  {"実", "み", Girl},  {"未", "み", Girl},
    {"心", "み", Girl},  {"奈", "な", Girl},  {"那", "な", Girl},  {"菜", "な", Girl},
    {"名", "な", Girl},  {"南", "な", Girl},  {"香", "か", Girl},  {"花", "か", Girl},
    {"華", "か", Girl},  {"佳", "か", Girl},  {"果", "か", Girl},  {"加", "か", Girl},
    {"夏", "か", Girl},  {"歌", "か", Girl},  {"可", "か", Girl},  {"恵", "え", Girl},
    {"江", "え", Girl},  {"枝", "え", Girl},  {"絵", "え", Girl},  {"栄", "え", Girl},
    {"重", "え", Girl},  {"衣", "え", Girl},  {"依", "え", Girl},  {"衣", "い", Girl},
    {"依", "い", Girl},  {"唯", "い", Girl},  {"代", "よ", Girl},  {"世", "よ", Girl},
    {"乃", "の", Girl},  {"野", "の", Girl},  {"里", "り", Girl},  {"莉", "り", Girl},
    {"梨", "り", Girl},  {"璃", "り", Girl},
    {"穂", "ほ", Girl},  {"帆", "ほ", Girl},  {"保", "ほ", Girl},  {"歩", "ほ", Girl},
    {"葉", "は", Girl},  {"羽", "は", Girl},  {"音", "ね", Girl},  {"寧", "ね", Girl},
    {"紗", "さ", Girl},  {"沙", "さ", Girl},  {"咲", "さ", Girl},  {"咲", "さき", Girl},
    {"亜", "あ", Girl},  {"愛", "あ", Girl},  {"愛", "あい", Girl}, {"女", "め", Girl},
    {"芽", "め", Girl},  {"緒", "お", Girl},  {"瑠", "る", Girl},  {"琴", "こと", Girl},
    {"舞", "まい", Girl}, {"夢", "ゆめ", Girl}, {"蘭", "らん", Girl}, {"凛", "りん", Girl},
};
// clang-format on

struct WholeReading {
  std::string_view kana;
  SexEstimate sex;
};

// clang-format off
constexpr WholeReading kWholeReadings[] = {
    // Boys' names that end as girls' do, or that no ending reaches.
    {"たくみ", Boy}, {"いさみ", Boy}, {"かつみ", Boy}, {"ゆたか", Boy}, {"まこと", Boy},
    {"わたる", Boy}, {"しげる", Boy}, {"まもる", Boy}, {"みのる", Boy}, {"のぼる", Boy},
    {"とおる", Boy}, {"すぐる", Boy}, {"たける", Boy}, {"かける", Boy}, {"さとる", Boy},
    {"まさる", Boy}, {"すばる", Boy}, {"みつる", Boy}, {"ゆずる", Boy}, {"いたる", Boy},
    {"おさむ", Boy}, {"いさむ", Boy}, {"すすむ", Boy}, {"つとむ", Boy}, {"ひろむ", Boy},
    {"のぞむ", Boy}, {"もとむ", Boy}, {"たくむ", Boy}, {"まなぶ", Boy}, {"はじめ", Boy},
    {"みなと", Boy}, {"はると", Boy}, {"まさき", Boy}, {"かずき", Boy}, {"かずま", Boy},
    {"れお", Boy},
    // Girls' names that end as boys' do.
    {"まお", Girl},   {"みお", Girl},   {"しお", Girl},   {"さつき", Girl}, {"はづき", Girl},
    {"みつき", Girl}, {"ゆづき", Girl}, {"ゆずき", Girl}, {"みさと", Girl}, {"ちさと", Girl},
    {"えま", Girl},   {"みゆき", Girl}, {"みさき", Girl},
    // Given to both.
    {"なお", Either},   {"りお", Either},   {"れい", Either},   {"けい", Either},
    {"るい", Either},   {"ゆう", Either},   {"じゅん", Either}, {"ゆうき", Either},
    {"みずき", Either}, {"みづき", Either}, {"なつき", Either}, {"いつき", Either},
    {"たまき", Either}, {"あおい", Either}, {"ひかる", Either}, {"かおる", Either},
    {"あゆむ", Either}, {"つばさ", Either}, {"しのぶ", Either}, {"まひろ", Either},
    {"ひなた", Either}, {"かなた", Either}, {"なぎさ", Either}, {"みこと", Either},
    {"いおり", Either}, {"ひろみ", Either}, {"まさみ", Either}, {"かずみ", Either},
    {"あきら", Either}, {"あんじ", Either}, {"ちあき", Either},
};
// clang-format on

enum class Hold : std::uint8_t { Firm, Lean };
using enum Hold;

struct ReadingEnding {
  std::string_view kana;  // the reading's last kana
  std::size_t before;     // how many kana the reading needs ahead of them
  SexEstimate sex;
  Hold hold;
};

// clang-format off
constexpr ReadingEnding kReadingEndings[] = {
    // Endings only boys' names have.
    {"ろう", 0, Boy, Firm}, {"すけ", 0, Boy, Firm}, {"ひこ", 0, Boy, Firm}, {"きち", 0, Boy, Firm},
    {"へい", 0, Boy, Firm}, {"ぺい", 0, Boy, Firm}, {"べえ", 0, Boy, Firm}, {"ぞう", 0, Boy, Firm},
    {"えもん", 0, Boy, Firm}, {"ひょうえ", 0, Boy, Firm}, {"のしん", 0, Boy, Firm},
    {"のじょう", 0, Boy, Firm}, {"まろ", 0, Boy, Firm}, {"たか", 0, Boy, Firm},
    {"いち", 1, Boy, Firm}, {"うま", 1, Boy, Firm}, {"くま", 1, Boy, Firm}, {"うじ", 1, Boy, Firm},
    {"いじ", 1, Boy, Firm}, {"んじ", 1, Boy, Firm}, {"うき", 1, Boy, Firm}, {"んき", 1, Boy, Firm},
    {"しき", 1, Boy, Firm}, {"おき", 1, Boy, Firm}, {"ろき", 1, Boy, Firm}, {"とき", 1, Boy, Firm},
    {"げき", 1, Boy, Firm}, {"でき", 1, Boy, Firm}, {"うや", 1, Boy, Firm}, {"んや", 1, Boy, Firm},
    {"つや", 1, Boy, Firm}, {"ずや", 1, Boy, Firm},
    // A classic boy's name ends in a second element (まさ・よし, ひで・あき, かず・のり); after
    // one kana the same kana make girls' names as often (みよし, ちあき, ちひろ, みのり).
    {"よし", 2, Boy, Firm}, {"とし", 2, Boy, Firm}, {"ひろ", 2, Boy, Firm}, {"あき", 2, Boy, Firm},
    {"ゆき", 2, Boy, Firm}, {"のり", 2, Boy, Firm}, {"なり", 2, Boy, Firm}, {"もり", 2, Boy, Firm},
    {"より", 2, Boy, Firm}, {"かず", 2, Boy, Firm}, {"まさ", 2, Boy, Firm}, {"ひさ", 2, Boy, Firm},
    {"ふさ", 2, Boy, Firm}, {"ひで", 2, Boy, Firm}, {"やす", 2, Boy, Firm}, {"のぶ", 2, Boy, Firm},
    {"みつ", 2, Boy, Firm}, {"あつ", 2, Boy, Firm}, {"かつ", 2, Boy, Firm}, {"たつ", 2, Boy, Firm},
    {"つぐ", 2, Boy, Firm}, {"しげ", 2, Boy, Firm}, {"たけ", 2, Boy, Firm}, {"てる", 2, Boy, Firm},
    {"はる", 2, Boy, Firm}, {"みち", 2, Boy, Firm}, {"ちか", 2, Boy, Firm}, {"ただ", 2, Boy, Firm},
    {"なお", 2, Boy, Firm}, {"つね", 2, Boy, Firm}, {"むね", 2, Boy, Firm}, {"かね", 2, Boy, Firm},
    {"たね", 2, Boy, Firm}, {"さね", 2, Boy, Firm}, {"ざね", 2, Boy, Firm}, {"もと", 2, Boy, Firm},
    {"なが", 2, Boy, Firm}, {"おみ", 2, Boy, Firm}, {"ふみ", 2, Boy, Firm}, {"たみ", 2, Boy, Firm},
    {"ひと", 2, Boy, Firm}, {"きよ", 2, Boy, Firm}, {"とよ", 2, Boy, Firm}, {"すえ", 2, Boy, Firm},
    {"いえ", 2, Boy, Firm}, {"とも", 2, Boy, Firm}, {"くに", 2, Boy, Firm}, {"さだ", 2, Boy, Firm},
    {"かた", 2, Boy, Firm}, {"つな", 2, Boy, Firm}, {"きみ", 2, Boy, Firm}, {"とみ", 2, Boy, Firm},
    {"すみ", 2, Boy, Firm}, {"ずみ", 2, Boy, Firm}, {"ぶみ", 2, Boy, Firm}, {"ひら", 2, Boy, Firm},
    {"なか", 2, Boy, Firm}, {"むら", 2, Boy, Firm}, {"あきら", 2, Boy, Firm},
    // Mostly boys' names, with girls' among them: ちしお, みしお; せいや but さあや and まりや.
    {"お", 1, Boy, Lean},   {"し", 1, Boy, Lean},   {"じ", 1, Boy, Lean},   {"うた", 1, Boy, Lean},
    {"いた", 1, Boy, Lean}, {"んた", 1, Boy, Lean}, {"んご", 1, Boy, Lean}, {"うご", 1, Boy, Lean},
    {"いご", 1, Boy, Lean}, {"いき", 1, Boy, Lean}, {"るき", 1, Boy, Lean}, {"もき", 1, Boy, Lean},
    {"まる", 1, Boy, Lean}, {"あや", 0, Girl, Lean}, {"りや", 1, Girl, Lean},
    {"はや", 1, Girl, Lean}, {"や", 2, Boy, Lean},  {"と", 2, Boy, Lean},   {"き", 2, Boy, Lean},
    // Sino-Japanese readings: monks', artists' and men's names, tagged g, and few girls'.
    {"う", 1, Boy, Lean},    {"ん", 1, Boy, Lean},    {"せい", 0, Boy, Lean}, {"さい", 0, Boy, Lean},
    {"えい", 0, Boy, Lean},  {"かい", 0, Boy, Lean},  {"てい", 0, Boy, Lean}, {"すい", 0, Boy, Lean},
    {"さく", 0, Boy, Lean},  {"がく", 0, Boy, Lean},  {"とく", 0, Boy, Lean}, {"ろく", 0, Boy, Lean},
    {"せき", 0, Boy, Lean},  {"てつ", 0, Boy, Lean},  {"しち", 0, Boy, Lean}, {"はち", 0, Boy, Lean},
    // Mostly girls' names.
    {"こ", 0, Girl, Lean}, {"み", 0, Girl, Lean}, {"な", 0, Girl, Lean}, {"か", 0, Girl, Lean},
    {"え", 0, Girl, Lean}, {"よ", 0, Girl, Lean}, {"の", 0, Girl, Lean}, {"ほ", 0, Girl, Lean},
    {"は", 0, Girl, Lean}, {"ね", 0, Girl, Lean}, {"り", 0, Girl, Lean}, {"あ", 0, Girl, Lean},
    {"ゆ", 0, Girl, Lean}, {"さ", 0, Girl, Lean}, {"ら", 0, Girl, Lean}, {"め", 0, Girl, Lean},
    {"せ", 0, Girl, Lean},
};
// clang-format on

// Whether a UTF-8 byte continues a character rather than starting one.
bool Continues(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// The last code point of UTF-8 text, 0 for empty text: its lead byte is the last byte that does
// not continue another, at most four from the end, and its continuation bytes add six bits each.
char32_t LastCodePoint(std::string_view text) {
  if (text.empty()) {
    return 0;
  }
  std::size_t start = text.size() - 1;
  while (start > 0 && text.size() - start < 4 && Continues(text[start])) {
    --start;
  }
  const auto lead = static_cast<unsigned char>(text[start]);
  const std::size_t length = text.size() - start;
  char32_t code = length == 1 ? lead : lead & (0x7FU >> length);
  for (const char c : text.substr(start + 1)) {
    code = (code << 6U) | (static_cast<unsigned char>(c) & 0x3FU);
  }
  return code;
}

std::size_t CountCodePoints(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(text, std::not_fn(Continues)));
}

// A table's rows grouped by the last character of one of their columns, each group in table
// order: a name is tried only against the few rows that can match it, so that estimating all of
// ENAMDICT's readings takes milliseconds.
template <typename Row>
class ByLastCharacter {
 public:
  ByLastCharacter(std::span<const Row> rows, std::string_view Row::* column) {
    for (const Row& row : rows) {
      keyed_.emplace_back(LastCodePoint(row.*column), &row);
    }
    std::ranges::sort(keyed_);  // the rows are one array, so their addresses keep table order
  }

  // The rows whose column ends in the character `text` ends in, in table order.
  [[nodiscard]] auto rowsEnding(std::string_view text) const {
    const auto [first, last] =
        std::ranges::equal_range(keyed_, LastCodePoint(text), {}, &Keyed::first);
    return std::ranges::subrange(first, last) | std::views::values;
  }

 private:
  using Keyed = std::pair<char32_t, const Row*>;
  std::vector<Keyed> keyed_;
};

}  // namespace

std::optional<SexVerdict> JudgeSex(std::string_view written, std::string_view kana) {
  static const ByLastCharacter<OneCharacterName> names(kOneCharacterNames, &OneCharacterName::kana);
  static const ByLastCharacter<WrittenEnding> writtenEndings(kWrittenEndings,
                                                             &WrittenEnding::written);
  static const ByLastCharacter<WholeReading> wholeReadings(kWholeReadings, &WholeReading::kana);
  static const ByLastCharacter<ReadingEnding> readingEndings(kReadingEndings, &ReadingEnding::kana);

  for (const OneCharacterName* name : names.rowsEnding(kana)) {
    if (name->written == written && name->kana == kana) {
      return SexVerdict{name->sex, true};
    }
  }
  for (const WrittenEnding* ending : writtenEndings.rowsEnding(written)) {
    if (written.ends_with(ending->written) && kana.ends_with(ending->kana)) {
      return SexVerdict{ending->sex, true};
    }
  }
  for (const WholeReading* whole : wholeReadings.rowsEnding(kana)) {
    if (whole->kana == kana) {
      return SexVerdict{whole->sex, true};
    }
  }
  for (const ReadingEnding* ending : readingEndings.rowsEnding(kana)) {
    if (kana.ends_with(ending->kana) &&
        CountCodePoints(kana.substr(0, kana.size() - ending->kana.size())) >= ending->before) {
      return SexVerdict{ending->sex, ending->hold == Firm};
    }
  }
  return std::nullopt;
}

SexEstimate EstimateSex(std::string_view written, std::string_view kana, Sexes recorded) {
  return EstimateSex(JudgeSex(written, kana), recorded);
}

SexEstimate EstimateSex(const std::optional<SexVerdict>& verdict, Sexes recorded) {
  if (verdict && verdict->firm) {
    return verdict->sex;
  }
  if (recorded == kBoy) {
    return Boy;
  }
  if (recorded == kGirl) {
    return Girl;
  }
  return verdict ? verdict->sex : Either;
}

std::string_view SexRuleLine() {
  return "性別は字と読みからの推定です（〜郎・〜介・〜太は男の子、〜子・〜美・〜奈は女の子）。辞書の印は参考に";
}

}  // namespace quendrel
