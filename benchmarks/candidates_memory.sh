#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The memory of the real program as a user's system monitor shows it: resident before the
# candidates window opens and once its list of the installed dictionary shows, and the peak.
set -euo pipefail
build=${1:-build/bench}
if [ ! -r "${QUENDREL_ENAMDICT:-/usr/share/edict/enamdict}" ]; then
  echo "candidates window memory: no dictionary (apt install enamdict)"
  exit 0
fi
QT_QPA_PLATFORM=offscreen LD_PRELOAD="$build/benchmarks/libquendrel_candidates_memory_probe.so" \
  timeout 120 "$build/app/quendrel" 2>&1 | grep -E '^(resident|peak)'
