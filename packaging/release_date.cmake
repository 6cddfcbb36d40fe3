# SPDX-License-Identifier: MIT
# A release is written once, as the first entry of packaging/changelog in Debian's format: it
# names the version, which must be project()'s, and its trailer line the date that the metainfo
# and the manual pages carry; the metainfo lists every entry with its changes.
set(quendrel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# Sets date_var to YYYY-MM-DD from a changelog trailer's day, month name and year.
function(quendrel_iso_date day month_name year date_var)
  list(FIND quendrel_months ${month_name} month)
  # 101 to 112 and 101 to 131, less their first digit: the month and the day with two digits.
  math(EXPR month "101 + ${month}")
  math(EXPR day "100 + ${day}")
  string(SUBSTRING ${month} 1 2 month)
  string(SUBSTRING ${day} 1 2 day)
  set(${date_var} ${year}-${month}-${day} PARENT_SCOPE)
endfunction()

# Sets date_var to the date of the changelog's first entry as YYYY-MM-DD, or error_var to why it
# has none for the given version.
function(quendrel_release_date changelog version date_var error_var)
  list(JOIN quendrel_months "|" month_names)
  set(trailer " -- [^\n]*  [A-Z][a-z][a-z], ([0-9]?[0-9]) (${month_names}) ([0-9][0-9][0-9][0-9]) ")
  # An entry's lines up to its trailer are empty or indented by two spaces; the trailer's by one.
  if(NOT changelog MATCHES "^quendrel \\(([^)\n]*)\\)" OR NOT CMAKE_MATCH_1 STREQUAL version)
    set(${error_var} "its first entry is not for quendrel ${version}, the version in project()"
        PARENT_SCOPE)
  elseif(NOT changelog MATCHES "^[^\n]*\n((  [^\n]*)?\n)*${trailer}")
    set(${error_var} "its first entry has no trailer line with a date" PARENT_SCOPE)
  else()
    quendrel_iso_date(${CMAKE_MATCH_3} ${CMAKE_MATCH_4} ${CMAKE_MATCH_5} date)
    set(${date_var} ${date} PARENT_SCOPE)
  endif()
endfunction()

# Sets releases_var to the metainfo's <release> elements, one for each entry of the changelog,
# newest first: its version, its date and its changes, each item a list item.
function(quendrel_metainfo_releases changelog releases_var)
  list(JOIN quendrel_months "|" month_names)
  set(entry "^quendrel \\(([^)\n]*)\\)[^\n]*\n(((  [^\n]*)?\n)*)")
  set(trailer " -- [^\n]*  [A-Z][a-z][a-z], ([0-9]?[0-9]) (${month_names}) ([0-9][0-9][0-9][0-9]) [^\n]*\n*")
  set(releases "")
  set(rest "${changelog}")
  while(rest MATCHES "${entry}${trailer}")
    set(version ${CMAKE_MATCH_1})
    set(changes "${CMAKE_MATCH_2}")
    quendrel_iso_date(${CMAKE_MATCH_5} ${CMAKE_MATCH_6} ${CMAKE_MATCH_7} date)
    string(LENGTH "${CMAKE_MATCH_0}" length)
    string(SUBSTRING "${rest}" ${length} -1 rest)
    # Continuation lines join their item; the text is escaped for XML.
    string(REGEX REPLACE "\n    +" " " changes "${changes}")
    string(REPLACE "&" "&amp;" changes "${changes}")
    string(REPLACE "<" "&lt;" changes "${changes}")
    string(REPLACE ">" "&gt;" changes "${changes}")
    string(REGEX REPLACE "  \\* ([^\n]*)\n" "          <li>\\1</li>\n" changes "${changes}")
    string(REGEX REPLACE "\n\n+" "\n" changes "${changes}")
    string(STRIP "${changes}" changes)
    string(APPEND releases "    <release version=\"${version}\" date=\"${date}\">\n"
           "      <description>\n        <ul>\n          ${changes}\n        </ul>\n"
           "      </description>\n    </release>\n")
  endwhile()
  string(STRIP "${releases}" releases)
  set(${releases_var} "${releases}" PARENT_SCOPE)
endfunction()
