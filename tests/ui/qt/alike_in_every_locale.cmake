# SPDX-License-Identifier: MIT
# Renders the windows with the screenshot tool in the C locale and in the Japanese one, and fails
# unless every picture is the same, byte for byte: the window is a fixed design, whatever
# language the desktop speaks. -DSCREENSHOTS=the tool -DOUT=a scratch folder
file(REMOVE_RECURSE ${OUT})
set(locales C.UTF-8 ja_JP.UTF-8)
foreach(locale IN LISTS locales)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LANG=${locale} LC_ALL=${locale}
                          ${SCREENSHOTS} ${OUT}/${locale}
                  OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the screenshots in ${locale} failed: ${status}")
  endif()
endforeach()
file(GLOB pictures RELATIVE ${OUT}/C.UTF-8 ${OUT}/C.UTF-8/*.png)
if(NOT pictures)
  message(FATAL_ERROR "no screenshot was written")
endif()
foreach(picture IN LISTS pictures)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/C.UTF-8/${picture}
                          ${OUT}/ja_JP.UTF-8/${picture}
                  RESULT_VARIABLE differs)
  if(differs)
    list(APPEND different ${picture})
  endif()
endforeach()
if(different)
  message(FATAL_ERROR "drawn otherwise in ja_JP.UTF-8 than in C.UTF-8: ${different}")
endif()
message(STATUS "alike in ${locales}: ${pictures}")
