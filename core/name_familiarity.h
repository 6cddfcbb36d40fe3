// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quendrel {

// The given names of Mozc's dictionary, one to three kana or kanji long, as rows
// "written reading cost\n" in UTF-8 byte order of (written, reading), in blocks of whole rows.
// Generated from Debian's mozc source package.
std::span<const std::string_view> FamiliarityBlocks();

// The cost that Mozc's dictionary gives `written` read as `kana` (hiragana) as a given name, lower
// for the names a web corpus shows more often, and raised where a common word written alike
// outnumbers the name or where only historical persons bear it (家康 いえやす); none where the
// dictionary lacks the pair.
std::optional<int> FamiliarityCost(std::string_view written, std::string_view kana);

// How familiar a name is, from its cost, for the candidates to show and rank by. The bounds are
// quantiles of the costs of the given names of Debian 12's ENAMDICT, one to three characters long,
// that the table knows written and read alike: 37,956 of its 182,360 pairs, a fifth.
//   3 (★★★) cost up to 5342, the commonest tenth of those: 太郎, 翔 しょう, 蓮 れん, 大翔 ひろと;
//   2 (★★)  up to 6777, the rest of the commoner half;
//   1 (★)   any other cost;
//   0 (☆)   a name the dictionary lacks, which is never hidden: it only ranks after those it has.
int FamiliarityLevel(std::optional<int> cost);

}  // namespace quendrel
