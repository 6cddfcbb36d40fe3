#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Peak memory of the monkey test at two lengths: a window that keeps nothing per event holds
# about the same at 2,000 events as at 20,000.
set -euo pipefail
build=${1:-build/dev}
for events in 2000 20000; do
  peak=$(QT_QPA_PLATFORM=offscreen QUENDREL_MONKEY_EVENTS=$events /usr/bin/time -f %M \
    "$build/tests/monkey_tests" --gtest_filter='*LongRandomUse' 2>&1 >/dev/null | tail -1)
  printf 'monkey test, %5d events: peak memory %6d KiB\n' "$events" "$peak"
done
