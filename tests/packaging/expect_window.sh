#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# expect_window.sh PROGRAM TITLE CLASS: on the X display in $DISPLAY, starts PROGRAM and waits
# until it shows a viewable window titled exactly TITLE whose WM_CLASS class is CLASS, then ends
# it. Run it under xvfb-run.
set -euo pipefail
program=$1
title=$2
class=$3

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

for _ in $(seq 100); do  # 20 s: the first start on a cold machine loads Qt and the fonts
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "expect_window: $program exited before its window came up" >&2
    exit 1
  fi
  # xwininfo -name matches the whole title; the other program windows Qt makes have other names.
  if info=$(xwininfo -name "$title" 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; then
    window=$(awk '/Window id:/ {print $4}' <<<"$info")
    owner=$(xprop -id "$window" _NET_WM_PID | awk '{print $3}')
    if [ "$owner" != "$pid" ]; then
      echo "expect_window: the window \"$title\" belongs to process $owner, not $pid" >&2
      exit 1
    fi
    # WM_CLASS(STRING) = "instance", "class"
    wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    if [ "$wm_class" != "$class" ]; then
      echo "expect_window: the window's class is \"$wm_class\", not \"$class\"" >&2
      exit 1
    fi
    echo "expect_window: $program shows \"$title\" ($(grep -E 'Width|Height' <<<"$info" | tr -s ' \n' ' '))"
    exit 0
  fi
  sleep 0.2
done
echo "expect_window: no window titled \"$title\"; the windows there:" >&2
xwininfo -root -tree >&2
exit 1
