#!/bin/sh
# SPDX-License-Identifier: MIT
# Set-up from nothing on Debian 12, 13 or testing: installs the Debian packages that are missing (make
# among them), then hands its arguments to make.
#   ./setup.sh run    installs what building and running the program needs, builds and starts it
#   ./setup.sh test   installs everything, builds and runs every test
# Without arguments it installs everything; with --run alone, what `run` needs.
set -eu
cd "$(dirname "$0")"

# One list for every release. The program's build, and what the package depends on or
# recommends: the IPA font the layout is measured for, VL Gothic for the characters of names it
# lacks, Qt's Wayland platform, Qt's own texts in the user's language, and ENAMDICT, whose given
# names the name candidates window lists.
run_packages="
  make g++ cmake ninja-build pkg-config
  libicu-dev qt6-base-dev qt6-svg-dev qt6-wayland qt6-translations-l10n
  fonts-ipafont-gothic fonts-vlgothic enamdict
"
# The test bench. adwaita-qt6 brings the styles that GNOME users choose, for the tests that draw
# the window in every installed style, and qt6-gtk-platformtheme the GTK theme's palettes that a
# GNOME desktop gives Qt programs, for the run under a dark theme. kanjidic-xml and unicode-data
# are the sources of the second stroke table, which a test regenerates from them. The LLVM tools
# are pinned to 22, the one version that Debian 12 (from bookworm-security), 13 and testing all
# carry, so that formatting, lint and the fuzzer give the same verdict everywhere. reuse checks
# every file's copyright and licence, man-db the manual pages; poppler-utils turns the printout
# of the shortlist into the README's picture.
test_packages="
  adwaita-qt6 qt6-gtk-platformtheme kanjidic-xml unicode-data python3
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-22 clang-format-22 clang-tidy-22 libclang-rt-22-dev
  locales xvfb xauth x11-utils weston time file
  dbus-daemon at-spi2-core python3-pyatspi xdotool
  desktop-file-utils appstream dpkg-dev devscripts lintian reuse man-db poppler-utils
"
case "$*" in
  run | --run) packages=$run_packages ;;
  *) packages="$run_packages $test_packages" ;;
esac

missing=
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing="$missing $package"
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then
    sudo=
  elif command -v sudo >/dev/null 2>&1; then
    sudo=sudo
  else
    echo "setup.sh: these Debian packages are missing and there is no sudo to install them:$missing" >&2
    exit 1
  fi
  # A download that fails for a moment is tried again rather than failing the whole set-up.
  $sudo apt-get -o Acquire::Retries=3 update -qq
  # shellcheck disable=SC2086 # one word per package
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o Acquire::Retries=3 install -y -qq \
    --no-install-recommends $missing
fi

[ "$#" -eq 0 ] || [ "$1" = --run ] || exec make "$@"
