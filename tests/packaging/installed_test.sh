#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# installed_test.sh [ROOT [ABOUT_PROBE]]: tests quendrel as installed under ROOT (default /, so
# /usr/bin/quendrel), as a distribution's package test runs it: the desktop entry and the metainfo
# validate, the theme icons are in place, and the program's main window comes up titled "Quendrel"
# under the entry's id in a virtual X server and in a headless Wayland compositor, where its About
# dialog must come up as a child of the main window. ABOUT_PROBE, a module preloaded to open the
# dialog, is the build's libquendrel_about_probe.so; without it the script compiles
# tests/app/about_probe.cpp itself (with c++, pkg-config and Qt's development files).
# Needs xvfb-run, xauth, xwininfo and xprop, weston, desktop-file-validate, appstreamcli, file.
set -euo pipefail
root=${1:-/}
root=${root%/}
here=$(dirname "$(realpath "$0")")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "installed_test: $*" >&2; exit 1; }
app_id=io.github.quendrel.Quendrel
program=$root/usr/bin/quendrel
share=$root/usr/share
[ -x "$program" ] || fail "$program is not there"

# The validators pass what they only warn about; a warning or a hint fails here too.
entry=$share/applications/$app_id.desktop
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
! grep -E ': (error|warning|hint): ' <<<"$report" || fail "desktop-file-validate finds the above in $entry"
metainfo=$share/metainfo/$app_id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
! grep -E '[EW]: ' <<<"$report" || fail "appstreamcli finds the above in $metainfo"
for size in 16 32 48 64 128 256; do
  file "$share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size" ||
    fail "no $size px PNG theme icon"
done
file "$share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q 'SVG' || fail "no scalable theme icon"
echo "installed_test: the desktop entry and the metainfo validate, the theme icons are in place"

probe=${2:-$scratch/about_probe.so}
if [ $# -lt 2 ]; then
  # shellcheck disable=SC2046 # pkg-config's flags are separate words
  c++ -std=c++20 -shared -fPIC -o "$probe" "$here/../app/about_probe.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets) || fail "could not compile the About probe"
fi

mkdir -m 700 "$scratch/xdg"
LANG=C.UTF-8 QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch/xdg \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$here/expect_window.sh" "$program" Quendrel "$app_id"
"$here/expect_wayland_window.sh" "$program" "$app_id" "$probe"
echo "installed_test: passed"
