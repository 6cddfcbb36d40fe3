// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

namespace quendrel::test {

// UTF-8 as ENAMDICT's EUC-JP, so that the tests write their dictionaries in readable literals.
inline std::string EucJp(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter{ucnv_open("EUC-JP", &status),
                                                                     &ucnv_close};
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
  std::string bytes((static_cast<std::size_t>(text.length()) * 3) + 1, '\0');
  const int32_t size =
      ucnv_fromUChars(converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                      text.getBuffer(), text.length(), &status);
  bytes.resize(U_SUCCESS(status) != 0 ? static_cast<std::size_t>(size) : 0);
  return bytes;
}

// A small dictionary of given names, surnames and places, with the readings of today's names.
inline constexpr std::string_view kSmallDictionary =
    "陽葵 [ひまり] /(f) Himari/\n"
    "陽翔 [はると] /(m) Haruto/\n"
    "蒼 [あおい] /(g) Aoi/\n"
    "陽葵 [ひなた] /(f,s) Hinata/\n"
    "さくら /(f) Sakura/\n"
    "凛 [りん] /(f) Rin/\n"
    "紬 [つむぎ] /(f) Tsumugi/\n"
    "翠 [すい] /(m) Sui/\n"
    "翠 [すい] /(f) Sui/\n"
    "律 [りつ] /(m) Ritsu/\n"
    "大翔 [ひろと] /(m) Hiroto/\n"
    "侭子 [ままこ] /(f) Mamako/\n"
    "麗鷹 [れおう] /(m) Reou/\n"
    "佐藤 [さとう] /(s) Satou/\n"
    "東京 [とうきょう] /(p) Tokyo/\n"
    "ゑみ /(f) Emi/\n"
    "由美子です [ゆみこです] /(f) Yumikodesu/\n";

}  // namespace quendrel::test
