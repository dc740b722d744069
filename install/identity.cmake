# What the program is called and which version it is, in one place for every
# package made of it: the Debian package and the Windows program, installer
# and portable zip. The version is the newest release in CHANGELOG.md; the
# copyright line, and the authors it names as publisher, come from LICENSE.
# Included before project(), so it uses nothing project() sets.
set(LPF_PRODUCT_NAME "Low Pass Filter - Butterworth")
set(LPF_SUMMARY "Butterworth low-pass filter calculator")

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md ${CMAKE_CURRENT_LIST_DIR}/../LICENSE)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md newest REGEX "^## [0-9]" LIMIT_COUNT 1)
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" LPF_VERSION "${newest}")
if(NOT LPF_VERSION)
    message(FATAL_ERROR "CHANGELOG.md names no release")
endif()
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../LICENSE LPF_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" LPF_PUBLISHER "${LPF_COPYRIGHT}")
if(NOT LPF_COPYRIGHT OR LPF_PUBLISHER STREQUAL LPF_COPYRIGHT)
    message(FATAL_ERROR "LICENSE has no line \"Copyright (c) YEAR AUTHORS\"")
endif()
