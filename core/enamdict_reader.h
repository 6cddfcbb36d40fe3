// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary_line.h"
#include "core/name_record.h"

// The persons' names of an ENAMDICT file as the program's records, read a block at a time as the
// file arrives: given names with whom they are given to, and names not yet classified with no
// one. Only their written forms and readings are kept, a fifth of the file.
namespace quendrel {

// Longer than any entry of the dictionary (its longest is under 1 KiB): a line past this is no
// entry, and is skipped without being kept, however long it runs.
inline constexpr std::size_t kLongestLine = std::size_t{16} << 10U;

class EnamdictReader {
 public:
  // Makes room at once for what a file of `bytes` is likely to keep, so that nothing is copied as
  // it grows; a file that keeps more grows as any other.
  void expect(std::size_t bytes);
  // Reads the lines that `block` completes; what follows its last newline waits for the next.
  void read(std::string_view block);
  // Reads a last line that ends without its newline.
  void finish();

  [[nodiscard]] std::size_t lines() const { return lines_; }
  [[nodiscard]] std::size_t unreadable() const { return unreadable_; }
  [[nodiscard]] std::size_t longLines() const { return longLines_; }

  // Each written form of at most `longest` characters once, with the readings of all its lines.
  // A form or reading that does not decode is counted as unreadable lines; none is returned once
  // `stop` is asked for.
  struct Records {
    std::vector<NameRecord> names;
    std::size_t unreadable = 0;
  };
  [[nodiscard]] Records records(std::stop_token stop, std::size_t longest) const;

 private:
  void readLine(std::string_view line);

  struct Offsets {
    std::size_t begin;
    std::uint32_t written, reading;
    Sexes sexes;
  };
  std::string carried_;  // the start of a line that the next block ends
  bool skipping_ = false;
  std::string kept_;
  std::vector<Offsets> offsets_;
  std::size_t lines_ = 0;
  std::size_t unreadable_ = 0;
  std::size_t longLines_ = 0;
};

}  // namespace quendrel
