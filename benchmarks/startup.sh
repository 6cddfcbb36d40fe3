#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of quendrel against a bare Qt 6 window of the same size, under Xvfb: each run times
# process start until its window is mapped and viewable (Qt maps it once the first frame is
# ready to show), taking turns so that both meet the same machine, and records peak memory.
set -euo pipefail
build=${1:-build/bench}
runs=${2:-20}
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
display=:$number

# -noreset: a server that resets whenever its last client leaves refuses the next one meanwhile.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=C.UTF-8
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

# Appends "milliseconds kibibytes" for one start of a program whose window has the given title.
# It runs in this shell, not in a command substitution, whose exit would run the trap.
time_start() {
  local program=$1 title=$2 results=$3 rss started shown
  rss=$(mktemp)
  started=$(date +%s%N)
  /usr/bin/time -f %M -o "$rss" "$program" &
  local pid=$!
  # Polling without a pause would flood the server with connections and refuse the program's own.
  until xwininfo -name "$title" 2>/dev/null | grep -q 'IsViewable'; do sleep 0.002; done
  shown=$(date +%s%N)
  sleep 0.3  # let it settle, so that the peak counts what the shown window holds
  pkill -TERM -P "$pid" || true
  wait "$pid" 2>/dev/null || true
  echo "$(((shown - started) / 1000000)) $(tail -1 "$rss")" >>"$results"
  rm -f "$rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$results"' EXIT
for ((i = 0; i < runs; ++i)); do
  time_start "$build/benchmarks/bare_window" Bare "$results/bare"
  time_start "$build/app/quendrel" Quendrel "$results/quendrel"
done

for name in bare quendrel; do
  printf '%-9s start-up median %4s ms   peak memory median %6s KiB\n' "$name" \
    "$(cut -d' ' -f1 "$results/$name" | median)" "$(cut -d' ' -f2 "$results/$name" | median)"
done
paste -d' ' "$results/bare" "$results/quendrel" | awk -v runs="$runs" '
  { bt[NR] = $1; bm[NR] = $2; qt[NR] = $3; qm[NR] = $4 }
  function med(a, n,   i, j, t) {
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    printf "over %d runs each: start-up ratio %.2f (target 1.15), peak memory +%.1f MiB (target 10)\n",
      runs, med(qt, NR) / med(bt, NR), (med(qm, NR) - med(bm, NR)) / 1024
  }'
