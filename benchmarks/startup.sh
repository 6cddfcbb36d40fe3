#!/usr/bin/env bash
# Start-up of quendrel against a bare Qt 6 window of the same size, under Xvfb: each run times
# process start until its window is mapped and viewable (Qt maps it once the first frame is
# ready to show), taking turns so that both meet the same machine, and records peak memory.
set -euo pipefail
build=${1:-build/bench}
runs=${2:-20}
display=:$((90 + RANDOM % 100))

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=C.UTF-8
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

# Prints "milliseconds kibibytes" for one start of a program whose window has the given title.
time_start() {
  local program=$1 title=$2 rss started shown
  rss=$(mktemp)
  started=$(date +%s%N)
  /usr/bin/time -f %M -o "$rss" "$program" &
  local pid=$!
  until xwininfo -name "$title" 2>/dev/null | grep -q 'IsViewable'; do :; done
  shown=$(date +%s%N)
  sleep 0.3  # let it settle, so that the peak counts what the shown window holds
  pkill -TERM -P "$pid" || true
  wait "$pid" 2>/dev/null || true
  echo "$(((shown - started) / 1000000)) $(tail -1 "$rss")"
  rm -f "$rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bare=() quendrel=()
for ((i = 0; i < runs; ++i)); do
  bare+=("$(time_start "$build/benchmarks/bare_window" Bare)")
  quendrel+=("$(time_start "$build/app/quendrel" Quendrel)")
done

report() {
  local name=$1; shift
  printf '%s\n' "$@" >"/tmp/startup.$name"
  printf '%-9s start-up median %4s ms   peak memory median %6s KiB\n' "$name" \
    "$(cut -d' ' -f1 "/tmp/startup.$name" | median)" "$(cut -d' ' -f2 "/tmp/startup.$name" | median)"
}
report bare "${bare[@]}"
report quendrel "${quendrel[@]}"
paste /tmp/startup.bare /tmp/startup.quendrel | awk -v runs="$runs" '
  { bt[NR] = $1; bm[NR] = $2; qt[NR] = $3; qm[NR] = $4 }
  function med(a, n,   i, j, t) {
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    printf "over %d runs each: start-up ratio %.2f (target 1.15), peak memory +%.1f MiB (target 10)\n",
      runs, med(qt, NR) / med(bt, NR), (med(qm, NR) - med(bm, NR)) / 1024
  }'
rm -f /tmp/startup.bare /tmp/startup.quendrel
