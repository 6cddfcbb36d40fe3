// SPDX-License-Identifier: MIT
#include "core/fortune_catalogue.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quendrel {
namespace {

using enum FortuneTrend;

// Number, fortune name, trend, remark. Most remarks end in one half-width space after "。"; those
// of 1, 2, 3 and 17 do not, and the program shows each exactly as it stands.
// clang-format off
constexpr std::array<FortuneEntry, 55> kCatalogue = {{
    {1, "源泉運", SharpRise, "創世運です。"},
    {2, "孤立運", Fall, "独りよがりの面が出過ぎると、皆に嫌われます。"},
    {3, "楽勝運", Rise, "とにかく陽気です。明るさを皆に分けてあげて下さい。"},
    {4, "困難運", SharpFall, "不満な気持ちを押さえましょう。押さえないと何でもぶちこわす結果になります。 "},
    {5, "楽勝運", Rise, "模範タイプで皆から信頼されます。 "},
    {6, "盛大運", Rise, "豪快で暖かみのあるタイプで、信頼されます。 "},
    {7, "意志運", Rise, "独立独歩タイプですが、他の人との協調を忘れないようにして下さい。 "},
    {8, "努力運", Rise, "生真面目すぎて、嫌われる時もあります。もっと大らかに振る舞って下さい。 "},
    {9, "困難運", SharpFall, "繊細で鋭い神経が、自分や他人を傷つけることもあります。 "},
    {10, "不幸運", SharpFall, "画何かと思い通りにならない事が多いが、腐らないようにして下さい。 "},
    {11, "繁栄運", Rise, "自分の力と他人の力結びつけて、指導者として慕われます。 "},
    {12, "挫折運", Fall, "一発屋なところがあります。地道な活動を心がけて下さい。 "},
    {13, "芸術運", Rise, "すばらしい才能の持ち主です。自分の力を過信すぎないようにして下さい。 "},
    {14, "苦節運", SharpFall, "困難は、ひとつひとつ確実に乗り越えていきましょう。 "},
    {15, "英才運", Rise, "トータルバランスがとても良く、自ら人生を切り開ける力があります。 "},
    {16, "発展運", SharpRise, "何事もじっくり取り組み、その結果、目的を成し遂げられるタイプです。 "},
    {17, "透視運", Rise, "自分の世界に閉じこもらず、外に目をむければもっと楽しい事があります。"},
    {18, "行動運", Rise, "自分の激しく強い性格をうまくコントロールして良い方向へ向かいましょう。 "},
    {19, "転落運", SharpFall, "剛速球投手タイプです。たまには、直球だけでなく変化球も投げましょう。 "},
    {20, "失敗運", SharpFall, "気持ちや行動がコロコロ変わりやすいことは、あまり良くない場合が多いです。 "},
    {21, "実績運", Rise, "地道な活動で、成果を得られます。自分をもっと信じましょう。 "},
    {22, "座礁運", Fall, "その時の思いつきで行動する事は、必ずしも良い結果に結びつきません。 "},
    {23, "躍進運", SharpRise, "非常に打たれ強いタイプです。何度ダウンしても立ち上がり、目的を達成します。 "},
    {24, "物質運", Rise, "皆に盛り立てられながら、皆を導き、皆を幸福にできる力があります。 "},
    {25, "実直運", Rise, "他人の気持ちも考えながら、行動すれば、皆から理解が得られます。 "},
    {26, "反転運", SharpFall, "困難にぶつかっても、粘り強く乗り越えましょう。 "},
    {27, "強肩運", Rise, "気ままな面を出しすぎると、災難にあいます。 "},
    {28, "欠落運", SharpFall, "突き進むだけでは、自らの破壊を招く場合もあります。 "},
    {29, "優良運", Rise, "一発勝負に強いタイプです。ただし、過信しすぎると傷口を広げてしまいます。 "},
    {30, "財産運", Steady, "とても良い思いをしていない感じですが、最後に笑うタイプです。 "},
    {31, "社交運", SharpRise, "とてもやり手タイプで、他の人も巻き込んで成果を出せます。 "},
    {32, "躍進運", SharpRise, "いつも運が良く、何をやっても、結果オーライタイプです。 "},
    {33, "野生運", Rise, "何でも豪快な、力強い、野生タイプです。 "},
    {34, "頑強運", Steady, "自分の殻に閉じこもりしすぎると、他の人から阻害されます。 "},
    {35, "繊細運", Rise, "少し、お人良しすぎるところがあります。時には自分を押し通すことも必要です。 "},
    {36, "過敏運", Steady, "気が荒い面が出し過ぎず、皆との和も考えて行動すると良いでしょう。 "},
    {37, "強力運", Rise, "我慢しすぎる傾向にあります。たまには、愚痴のひとつくらい言った方が気が楽です。 "},
    {38, "才能運", Rise, "優しさだけではいけません。時には力強さも見せましょう。 "},
    {39, "実力運", Rise, "何をやっても負けないくらいの力強さがあります。 "},
    {40, "才知運", Steady, "八方美人的要素あり。つまみ食いもほどほどに。 "},
    {41, "達成運", Rise, "自分で決めたことは、実行できるタイプです。 "},
    {42, "器用運", Steady, "人に利用されやすいところがあります。自分の意志をしっかり持ちましょう。 "},
    {43, "反感運", Steady, "画地道な行動が、自分に幸福を招くこと再認識すると良いでしょう。 "},
    {44, "虚弱運", Steady, "アイデアは良いが、実行が伴わないタイプです。 "},
    {45, "協調運", Rise, "自分自身の実行力と他人の力がうまくかみ合うと大躍進します。 "},
    {46, "略奪運", Fall, "自信過剰は禁物です。 "},
    {47, "度胸運", Rise, "一発勝負はあまり強くはありませんが、トータルでプラスになるタイプです。 "},
    {48, "貫徹運", Rise, "実力、人間性を兼ね備えており、自分が決めた目標を達成できます。 "},
    {49, "細糸運", Steady, "落ち着きが少し足りません。何事もじっくり考えて行動すると良いでしょう。 "},
    {50, "波乱運", Fall, "意志が弱い面があります。自分に自身をもって行動すれば道は開けます。 "},
    {51, "怠惰運", Rise, "心配しすぎて、気弱なところが出た時は、自分で強気になるよう心がけましょう。 "},
    {52, "洞察運", Rise, "何をやっても、ほどほどにうまくいきます。 "},
    {53, "謙虚運", Steady, "努力・努力・努力が、成功を導きます。 "},
    {54, "衰退運", Fall, "全速力で走ってばかりいると、息切れします。時には休憩も必要です。 "},
    {55, "激情運", Fall, "いつも良いところまでいって失敗してしまいます。 "},
}};
// clang-format on

constexpr bool NumberedInOrder() {
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    if (kCatalogue.at(i).Number != static_cast<std::int32_t>(i) + 1) {
      return false;
    }
  }
  return true;
}
static_assert(NumberedInOrder());

struct TrendWords {
  std::string_view name;
  std::string_view ending;  // of a trend line
};

// In the order of FortuneTrend.
constexpr std::array<TrendWords, 5> kTrends = {{
    {"急上昇", "急上昇するでしょう！"},
    {"上昇", "上昇するでしょう！"},
    {"現状維持", "現状維持のまま！"},
    {"下降", "下降するでしょう！"},
    {"急下降", "急下降するでしょう！"},
}};

}  // namespace

std::string_view TrendName(FortuneTrend trend) {
  return kTrends.at(static_cast<std::size_t>(trend)).name;
}

std::span<const FortuneEntry> FortuneCatalogue() {
  return kCatalogue;
}

std::optional<FortuneEntry> FindFortune(std::int32_t number) {
  if (number < 1 || std::cmp_greater(number, kCatalogue.size())) {
    return std::nullopt;
  }
  return kCatalogue.at(static_cast<std::size_t>(number) - 1);
}

std::string TrendLine(const FortuneEntry& entry, AppraisalTheme theme) {
  // Only the first fortune speaks of work in its own words when it stands in the work row.
  const std::string_view middle =
      entry.Number == 1 && theme == AppraisalTheme::Work ? "当面仕事運は" : "当面の運勢は";
  std::string line{entry.FortuneName};
  line.append("\u3000").append(middle).append(
      kTrends.at(static_cast<std::size_t>(entry.Trend)).ending);
  return line;
}

std::string_view ApologyText() {
  return "ごめんなさい鑑定できません。 ";
}

}  // namespace quendrel
