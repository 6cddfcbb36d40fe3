# SPDX-License-Identifier: MIT
# What quendrel_release_date makes of changelog texts for 1.0.0: a date, or why configuring stops.
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/release_date.cmake)
set(entry "quendrel (1.0.0) unstable; urgency=medium\n\n  * A change,\n    on two lines.\n\n")
set(older "quendrel (0.9.0) unstable; urgency=low\n\n  * Old.\n\n -- A <a@b.c>  Fri, 30 Oct 2026 ")
function(expect changelog expected)
  quendrel_release_date("${changelog}" 1.0.0 date error)
  if(NOT "${date}${error}" MATCHES "^${expected}")
    message(SEND_ERROR "expected ${expected}, got \"${date}${error}\" from:\n${changelog}")
  endif()
endfunction()
expect("${entry} -- A <a@b.c>  Mon, 07 Dec 2026 12:00:00 +0000\n\n${older}" "2026-12-07$")
expect("${entry} -- A <a@b.c>  Sat, 2 Jan 2027 12:00:00 +0000\n" "2027-01-02$")
expect("${older}" "its first entry is not for quendrel 1.0.0")
expect("${entry}${older}" "its first entry has no trailer")
expect("${entry} -- A <a@b.c>  Mon, 07 Dez 2026 12:00:00 +0000\n" "its first entry has no trailer")

# Every entry is a release for the metainfo, newest first; an item's lines join, escaped for XML.
function(expect_releases changelog expected)
  quendrel_metainfo_releases("${changelog}" releases)
  string(REGEX REPLACE "\n *" "" releases "${releases}")
  if(NOT releases STREQUAL expected)
    message(SEND_ERROR "expected ${expected}, got \"${releases}\" from:\n${changelog}")
  endif()
endfunction()
set(item "<description><ul><li>A change, on two lines.</li></ul></description>")
expect_releases("${entry} -- A <a@b.c>  Sat, 2 Jan 2027 12:00:00 +0000\n\n${older}12:00:00 +0000\n"
  "<release version=\"1.0.0\" date=\"2027-01-02\">${item}</release><release version=\"0.9.0\" date=\"2026-10-30\"><description><ul><li>Old.</li></ul></description></release>")
expect_releases("quendrel (1.0.0) unstable; urgency=low\n\n  * <b> & c.\n  * Two.\n\n -- A <a@b.c>  Fri, 30 Oct 2026 12:00:00 +0000\n"
  "<release version=\"1.0.0\" date=\"2026-10-30\"><description><ul><li>&lt;b&gt; &amp; c.</li><li>Two.</li></ul></description></release>")
