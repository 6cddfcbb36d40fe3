# SPDX-License-Identifier: MIT
# The Debian package of what `cmake --install` puts in place: `cpack -G DEB` in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendrel)
set(CPACK_PACKAGE_VENDOR "The quendrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese name divination (seimei handan)")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quendrel looks up the stroke count of every character of a Japanese name"
  "in its built-in table and shows the five classical numbers (tenkaku, jinkaku,"
  "chikaku, gaikaku, soukaku) with the name written vertically and a diagram of"
  "how they are formed. The appraisal turns three of them into a personality"
  "remark and three fortune rows. The user interface is in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_QUENDREL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/strip.cmake)

set(QUENDREL_MAINTAINER "The quendrel developers <quendrel@users.noreply.github.com>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUENDREL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries (Qt, ICU, the C++ runtime); the font is loaded by name at
# run time, so no tool can see it: the window's layout is measured for IPA P Gothic.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Without Qt's Wayland platform the window cannot open in a session that offers only Wayland;
# without Qt's catalogues its own texts (a text box's context menu) stay English in a Japanese
# locale; the IPA fonts lack characters that names use, such as 𠮷, which VL Gothic has; and
# the name candidates window lists the names of ENAMDICT, which it reads from enamdict.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-vlgothic, enamdict")

include(CPack)
