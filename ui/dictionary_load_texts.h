// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/dictionary_load.h"

// What the window 「名前の候補」 says of the reading of its dictionary, without any toolkit.
namespace quendrel {

inline constexpr std::string_view kLoading = "辞書を読み込んでいます…";
inline constexpr std::string_view kReadAgain = "辞書を読み直す(&D)";

// Whether the names read can be listed: the whole file, or the part before a fault.
bool HasNames(const DictionaryLoad& load);

// What went wrong, with the file's path and what to do about it, and then what was left out;
// empty for a whole file with nothing left out.
std::string LoadNotes(const DictionaryLoad& load);

}  // namespace quendrel
