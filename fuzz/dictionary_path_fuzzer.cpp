// SPDX-License-Identifier: MIT
// libFuzzer entry: any broken rule is a crash, so the fuzzer keeps the input that shows it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/dictionary_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto violations = quendrel::fuzzing::DictionaryPathViolations({data, size});
  for (const std::string& violation : violations) {
    std::fprintf(stderr, "broken rule: %s\n", violation.c_str());
  }
  if (!violations.empty()) {
    std::abort();
  }
  return 0;
}
