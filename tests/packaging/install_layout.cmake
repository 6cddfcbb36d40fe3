# SPDX-License-Identifier: MIT
# Installs BUILD_DIR into the empty folder SCRATCH as a package build would (prefix /usr, DESTDIR)
# and checks that exactly the expected files arrive and that the desktop entry, the metainfo and
# the icons fit together as AppStream sees them.
# cmake -DBUILD_DIR=... -DSCRATCH=... -DAPPSTREAMCLI=... -P install_layout.cmake
set(expected
  usr/bin/quendrel
  usr/share/applications/io.github.quendrel.Quendrel.desktop
  usr/share/doc/quendrel/changelog.gz
  usr/share/doc/quendrel/copyright
  usr/share/icons/hicolor/128x128/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/16x16/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/256x256/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/32x32/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/48x48/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/64x64/apps/io.github.quendrel.Quendrel.png
  usr/share/icons/hicolor/scalable/apps/io.github.quendrel.Quendrel.svg
  usr/share/man/ja/man1/quendrel.1.gz
  usr/share/man/man1/quendrel.1.gz
  usr/share/metainfo/io.github.quendrel.Quendrel.metainfo.xml
)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${SCRATCH} ${SCRATCH}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  list(JOIN installed "\n  " installed_lines)
  list(JOIN expected "\n  " expected_lines)
  message(FATAL_ERROR "installed:\n  ${installed_lines}\nexpected:\n  ${expected_lines}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree found problems in the installed tree")
endif()
message(STATUS "installed as expected: ${installed}")
