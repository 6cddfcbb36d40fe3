// SPDX-License-Identifier: MIT
#include "ui/about.h"

namespace quendrel {

AboutTexts form_load() {
  const auto number = [](int n) { return std::to_string(n); };
  return AboutTexts{
      .caption = std::string{kApplicationTitle} + "のﾊﾞｰｼﾞｮﾝ情報",
      .version = "ﾊﾞｰｼﾞｮﾝ " + number(kApplicationVersion.major) + "." +
                 number(kApplicationVersion.minor) + "." + number(kApplicationVersion.revision),
      .title = std::string{kApplicationTitle},
  };
}

std::string_view AboutDescription() {
  return "自分の姓は、先祖から、そして名前は親から（又は命名者）から授かったものです。\n"
         "そして、ほとんどの人は、自分の名前が自分の運命を大きく左右しているとは思っていないのが"
         "実態です。このソフトウエアを使用し、遊び感覚で姓名判断をしてみましょう。";
}

std::string_view AboutDisclaimer() {
  return "© 2026 The quendrel developers. MIT License: 無保証で、自由に使用・改変・再配布できます。\n"
         "ご連絡は quendrel の issue tracker へどうぞ。";
}

}  // namespace quendrel
