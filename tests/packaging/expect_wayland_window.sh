#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# expect_wayland_window.sh PROGRAM APP_ID [ABOUT_PROBE]: starts a headless Weston, runs PROGRAM on
# Qt's Wayland platform and waits until its toplevel, announced with APP_ID, has been configured by
# the compositor and shows a buffer. With ABOUT_PROBE, a module preloaded to open the About dialog,
# it also waits for the dialog's toplevel and checks that it names the main window's toplevel as
# its parent, so that the compositor keeps it above the window, and that its size is fixed. The
# client's protocol log (WAYLAND_DEBUG) is what is read.
set -euo pipefail
program=$1
app_id=$2
probe=${3:-}
scratch=$(mktemp -d)
mkdir -m 700 "$scratch/xdg"
export XDG_RUNTIME_DIR=$scratch/xdg
socket=quendrel-test
pids=()
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "expect_wayland_window: $*" >&2
  tail -n 20 "$scratch/weston.log" "$scratch/client.log" >&2 || true
  exit 1
}

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not open its socket"

LANG=C.UTF-8 WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  env ${probe:+"LD_PRELOAD=$probe"} "$program" >"$scratch/client.log" 2>&1 &
pids+=($!)
# Requests are marked "->", events not; libwayland 1.21 writes objects as name@id, 1.23 as name#id
# after the queue's name.
log=$scratch/client.log
shown=false
dialog=
for _ in $(seq 100); do  # 20 s
  toplevel=$({ grep -oE -- "-> xdg_toplevel[@#][0-9]+\.set_app_id\(\"$app_id\"\)" "$log" || true; } |
    head -n 1 | sed -E 's/^-> ([^.]*)\..*/\1/')
  configured="[]}] $toplevel\.configure\("
  if [ -n "$toplevel" ] && grep -qE "$configured" "$log" &&
    sed -En "/$configured/,\$p" "$log" | grep -qE -- '-> wl_surface[@#][0-9]+\.attach\(wl_buffer[@#]'; then
    shown=true
    [ -n "$probe" ] || break
    dialog=$({ grep -oE -- "-> xdg_toplevel[@#][0-9]+\.set_parent\($toplevel\)" "$log" || true; } |
      head -n 1 | sed -E 's/^-> ([^.]*)\..*/\1/')
    [ -z "$dialog" ] || break
  fi
  kill -0 "${pids[1]}" 2>/dev/null || fail "$program exited before its window came up"
  sleep 0.2
done
if ! $shown; then
  grep -h 'set_app_id' "$log" >&2 || true
  fail "no configured toplevel with app id $app_id"
fi
echo "expect_wayland_window: $program shows a toplevel with app id $app_id"
[ -n "$probe" ] || exit 0
if [ -z "$dialog" ]; then
  grep -h 'get_toplevel\|set_parent' "$log" >&2 || true
  fail "no About dialog toplevel with the main window's toplevel as its parent"
fi
# A fixed size: the latest minimum and maximum are the same. (Qt 6.8 sends both again once it
# has added its decoration's margins.)
latest() {
  grep -oE -- "-> $dialog\.set_$1_size\([0-9]+, [0-9]+\)" "$log" | tail -n 1 | sed -E 's/.*\(//'
}
min=$(latest min)
max=$(latest max)
[ -n "$min" ] && [ "$min" = "$max" ] ||
  fail "the About dialog's toplevel has no fixed size: at least (${min:-none}, at most (${max:-none}"
echo "expect_wayland_window: the About dialog is a child of the main window, fixed at (${min}"
