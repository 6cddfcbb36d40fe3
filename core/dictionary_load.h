// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stop_token>
#include <string>
#include <string_view>

#include "core/name_dictionary.h"

// Reading the name dictionary's file: ENAMDICT, the Electronic Dictionary Research and
// Development Group's dictionary of Japanese proper names, as Debian's enamdict installs it.
namespace quendrel {

// What kept the file from being read whole, if anything.
enum class LoadProblem : std::uint8_t {
  None,
  Missing,     // nothing at the path
  Unreadable,  // no permission to read it
  Directory,   // a folder, a device or a pipe: no dictionary file
  Device,
  Pipe,
  Empty,
  CutShort,  // a read failed, or the last line has no end: the names before are kept
  Changed,   // the file changed while it was read: the names read are kept
  Stopped,   // asked to stop: nothing is kept
};

struct DictionaryLoad {
  std::string path;
  NameDictionary names;
  std::size_t lines = 0;
  std::size_t unreadable = 0;  // lines skipped as malformed or not EUC-JP
  std::size_t longLines = 0;   // lines skipped as longer than any entry
  LoadProblem problem = LoadProblem::None;
};

// Hears how far the whole load has come, in thousandths, now and then.
using LoadProgress = std::function<void(int)>;

// Reads the file, a block at a time, looking at `stop` between blocks and between the steps
// after them, so that a load asked to stop ends within a fraction of a second.
DictionaryLoad LoadNameDictionary(const std::string& path, const std::stop_token& stop = {},
                                  const LoadProgress& progress = {});
// The same from a stream of `size` bytes (for the progress; 0 where unknown).
DictionaryLoad LoadNameDictionary(std::istream& eucJp, std::size_t size = 0,
                                  const std::stop_token& stop = {},
                                  const LoadProgress& progress = {});

// Where Debian's enamdict installs it.
inline constexpr std::string_view kInstalledDictionary = "/usr/share/edict/enamdict";

// The installed dictionary, or the file that QUENDREL_ENAMDICT names.
std::string NameDictionaryPath();

}  // namespace quendrel
