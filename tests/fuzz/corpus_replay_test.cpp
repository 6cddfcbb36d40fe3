// SPDX-License-Identifier: MIT
// Every input the fuzzers start from, and every one they ever failed on, replayed in the ordinary
// builds, so that a fixed fault stays fixed without clang.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fuzz/dictionary_path.h"
#include "fuzz/edit_path.h"
#include "fuzz/name_path.h"

namespace quendrel::fuzzing {
namespace {

std::vector<std::uint8_t> Contents(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

TEST(CorpusReplayTest, EverySeedAndRegressionKeepsEveryRule) {
  using Driver = std::vector<std::string> (*)(std::span<const std::uint8_t>);
  const std::vector<std::pair<Driver, std::vector<const char*>>> drivers = {
      {NamePathViolations, {"corpus", "regressions"}},
      {EditPathViolations, {"edit_path_corpus", "edit_path_regressions"}},
      {DictionaryPathViolations, {"dictionary_path_corpus", "dictionary_path_regressions"}},
  };
  for (const auto& [violations, folders] : drivers) {
    int replayed = 0;
    for (const char* folder : folders) {
      const std::filesystem::path directory = std::filesystem::path(QUENDREL_FUZZ_DIR) / folder;
      for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.is_regular_file() && entry.path().filename() != ".gitkeep") {
          EXPECT_THAT(violations(Contents(entry.path())), ::testing::IsEmpty()) << entry.path();
          ++replayed;
        }
      }
    }
    EXPECT_GE(replayed, 10) << "the seed corpus in " << folders.front() << " is missing";
  }
}

TEST(CorpusReplayTest, KeepsEveryRuleForDegenerateInputs) {
  // An empty input, a lone selector byte and a truncated appraisal are inputs too.
  for (const std::vector<std::uint8_t>& input :
       {std::vector<std::uint8_t>{}, {'w'}, {'a', 0x37}, {'w', 0x00, 0xD8, 0xFF}}) {
    EXPECT_THAT(NamePathViolations(input), ::testing::IsEmpty());
    EXPECT_THAT(EditPathViolations(input), ::testing::IsEmpty());
    EXPECT_THAT(DictionaryPathViolations(input), ::testing::IsEmpty());
  }
}

}  // namespace
}  // namespace quendrel::fuzzing
