# SPDX-License-Identifier: MIT
# A release is written once, as the first entry of packaging/changelog in Debian's format: it
# names the version, which must be project()'s, and its trailer line the date that the metainfo
# and the manual page carry.
set(quendrel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

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
    list(FIND quendrel_months ${CMAKE_MATCH_4} month)
    # 101 to 112 and 101 to 131, less their first digit: the month and the day with two digits.
    math(EXPR month "101 + ${month}")
    math(EXPR day "100 + ${CMAKE_MATCH_3}")
    string(SUBSTRING ${month} 1 2 month)
    string(SUBSTRING ${day} 1 2 day)
    set(${date_var} ${CMAKE_MATCH_5}-${month}-${day} PARENT_SCOPE)
  endif()
endfunction()
