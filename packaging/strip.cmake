# SPDX-License-Identifier: MIT
# Run by CPack before it packs the staged files: strips the program as Debian's dh_strip does, the
# symbols it does not need to run and the .comment and .note sections, which lintian reports.
set(program ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/quendrel)
if(NOT EXISTS ${program})
  message(FATAL_ERROR "strip.cmake: ${program} is not staged")
endif()
execute_process(
  COMMAND ${CPACK_QUENDREL_STRIP} --remove-section=.comment --remove-section=.note
          --strip-unneeded ${program}
  COMMAND_ERROR_IS_FATAL ANY)
