#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# round_trip.sh DEB [ABOUT_PROBE]: checks the package with lintian and its program with
# hardening-check, installs the package, runs the installed-program test on it (installed_test.sh,
# which a distribution's package test runs too; ABOUT_PROBE is handed on to it) and removes the
# package again.
# As root (as in CI) it installs into this machine with apt-get, which also checks that the
# dependencies resolve; otherwise, or when quendrel is installed already and so not ours to
# remove, it tests the package unpacked into a scratch folder.
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -f "$1" ] || { [ $# -eq 2 ] && [ ! -f "$2" ]; }; then
  echo "usage: round_trip.sh QUENDREL_DEB [ABOUT_PROBE] (given: $*)" >&2
  exit 2
fi
deb=$(realpath "$1")
probe=${2:+$(realpath "$2")}
here=$(dirname "$(realpath "$0")")
scratch=$(mktemp -d)
installed=false
cleanup() {
  if $installed; then dpkg --purge quendrel >/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "round_trip: $*" >&2; exit 1; }

# The font is a dependency no tool can infer; the libraries must have come from dpkg-shlibdeps.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-ipafont-gothic libqt6widgets6 libicu; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# Every tag counts, pedantic ones included.
tags=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>/dev/null) ||
  fail "lintian could not check the package"
[ -z "$tags" ] || fail "lintian: $tags"
echo "round_trip: lintian --pedantic reports no tag"

dpkg-deb -x "$deb" "$scratch/unpacked"

# The package is reproducible when nothing in it records when it was built: every time stamp,
# of the archive's members and of every file, is the commit's (make package dates it so).
if epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null)}; then
  members=$(TZ=UTC ar tv "$deb" | awk '{ print $4, $5, $6, $7 }' | sort -u)
  [ "$members" = "$(TZ=UTC date -d "@$epoch" '+%b %-d %H:%M %Y')" ] ||
    fail "the archive's members are not dated at the commit: $members"
  files=$( {
    dpkg-deb --ctrl-tarfile "$deb" | TZ=UTC tar -tv --full-time
    dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time
  } | awk '{ print $4, $5 }' | sort -u)
  [ "$files" = "$(TZ=UTC date -d "@$epoch" '+%F %T')" ] ||
    fail "files in the package are not dated at the commit: $files"
  echo "round_trip: every time stamp in the package is the commit's"
fi

# The program calls no C library function that _FORTIFY_SOURCE can guard (its memcpy and memmove
# come from libstdc++'s __builtin_memcpy), so hardening-check cannot see the fortification.
# The program is compiled with -fcf-protection, but the linker marks it only when every object
# is marked, and the C library's start files (Scrt1.o, crti.o, crtn.o) are not on Debian 12 and
# 13; hardening-check then reports neither control-flow nor branch protection.
skip=(--nofortify)
if ! readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'IBT'; then
  skip+=(--nocfprotection)
  usage=$(hardening-check --help 2>&1 || true)  # Debian 12's has no branch protection check
  if grep -q -- --nobranchprotection <<<"$usage"; then
    skip+=(--nobranchprotection)
  fi
fi
hardening-check "${skip[@]}" "$scratch/unpacked/usr/bin/quendrel" ||
  fail "hardening-check: the packaged program lacks hardening"
file "$scratch/unpacked/usr/bin/quendrel" | grep -q ', stripped' || fail "the program is not stripped"

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' quendrel 2>/dev/null | grep -q 'ok installed'; then
  echo "round_trip: installing $(basename "$deb") into this machine"
  installed=true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
  dpkg-query -W -f='${Status}' quendrel | grep -q 'ok installed' || fail "dpkg does not list quendrel"
  root=/
else
  echo "round_trip: not root or quendrel already installed; testing the unpacked package"
  root=$scratch/unpacked
fi
"$here/installed_test.sh" "$root" ${probe:+"$probe"}

if $installed; then
  dpkg --purge quendrel >/dev/null
  installed=false
  ! dpkg-query -W -f='${Status}' quendrel 2>/dev/null | grep -q 'ok installed' ||
    fail "quendrel is still installed"
  [ ! -e /usr/bin/quendrel ] || fail "/usr/bin/quendrel is left behind"
  echo "round_trip: removed the package again"
fi
echo "round_trip: passed"
