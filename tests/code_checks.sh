#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The code checks of `make test`: every C++ file is formatted as .clang-format says,
# clang-tidy, with the checked-in .clang-tidy, finds nothing in the project's own sources, and
# every file that git does not ignore has its copyright and licence as REUSE reads them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format-22 --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files as formatted"

# run-clang-tidy reports findings but exits 0 for them; its output decides.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy-22 -clang-tidy-binary clang-tidy-22 -p "$build" -quiet -j "$(nproc)" \
  "^$PWD/(app|core|ui|tests|fuzz|packaging|benchmarks)/" >"$log" 2>&1 || true
if grep -E '(warning|error):' "$log"; then
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"

# Without -q it lists every finding, and what is compliant.
reuse lint -q || { reuse lint; exit 1; }
echo "reuse lint: compliant"
