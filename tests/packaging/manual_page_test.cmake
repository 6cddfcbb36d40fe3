# SPDX-License-Identifier: MIT
# Formats the manual page PAGE as man shows it in a terminal of 80 columns, as lintian does, and
# fails on any warning from groff (a line it cannot break or adjust, an unknown macro).
# cmake -DMAN=... -DPAGE=... -P manual_page_test.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
          ${MAN} --warnings -E UTF-8 -l ${PAGE}
  OUTPUT_VARIABLE page
  ERROR_VARIABLE warnings
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "" OR page STREQUAL "")
  message(FATAL_ERROR "man ${PAGE} (exit ${result}):\n${warnings}")
endif()
