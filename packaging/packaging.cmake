# What `cmake --install` puts where, and the packages CPack makes of it: a .deb on Linux
# (package_linux.cmake) and a .zip for Windows (package_win32.cmake). The package's version
# is the project's; the programs' own versions are stated beside it in CMakeLists.txt.
set(CPACK_PACKAGE_NAME drill-suite)
# The product's name, as the programs' resources give it: the one the drill's banner
# "** NAME **" shows.
drill_header_text(drill/drill_texts.h banner banner)
string(REGEX REPLACE "^\\*\\* (.+) \\*\\*$" "\\1" DRILL_PRODUCT_NAME "${banner}")
set(CPACK_PACKAGE_CONTACT "drill developers <drill@example.org>")
set(DRILL_HOMEPAGE https://drill.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic drill for learners, with a log viewer")
# Lines of the long description, as the .deb shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "drill poses random exercises of six kinds, from addition to square roots, in"
    "five number ranges, judges each answer and grades each series from 1 to 6."
    "drillview shows the drill log, the file tovu that both programs share in their"
    "working folder. The programs speak German.")
set(CPACK_STRIP_FILES ON)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)

# The programs this build makes, in the order the texts name them.
set(DRILL_PROGRAMS drill)
foreach(program drillview drillreport)
    if(TARGET ${program})
        list(APPEND DRILL_PROGRAMS ${program})
    endif()
endforeach()
if(TARGET drillreport)
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
        "arithmetic drill for learners, with a log viewer and progress reports")
    string(APPEND CPACK_PACKAGE_DESCRIPTION "\n"
        "drillreport shows each learner's progress from one or more drill logs: as a\n"
        "table, as a CSV file for spreadsheets, or as a web page with charts.")
endif()

# The license as LICENSE states it: its name (the first line) and its copyright line.
set(DRILL_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DRILL_LICENSE_FILE})
file(READ ${DRILL_LICENSE_FILE} DRILL_LICENSE_TEXT)
string(REGEX MATCH "^[^\n]+" DRILL_LICENSE_NAME "${DRILL_LICENSE_TEXT}")
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]+)" copyright_line "${DRILL_LICENSE_TEXT}")
set(DRILL_COPYRIGHT "${CMAKE_MATCH_1}")
if(NOT DRILL_LICENSE_NAME OR NOT DRILL_COPYRIGHT)
    message(FATAL_ERROR "LICENSE names no license or no copyright holder")
endif()
set(DRILL_COPYRIGHT_NOTICE "Copyright (C) ${DRILL_COPYRIGHT}, ${DRILL_LICENSE_NAME}")

# Signing the Win32 programs and the installer, for schools that allow only signed software:
# a certificate and its key, which the school or the publisher provides (sign_file.cmake).
set(DRILL_SIGN_CERTIFICATE "" CACHE FILEPATH
    "Code-signing certificate (PEM or DER) for the .exe files and the .msi; empty: unsigned")
set(DRILL_SIGN_KEY "" CACHE FILEPATH "The private key of DRILL_SIGN_CERTIFICATE (PEM or DER)")
set(DRILL_SIGN_TIMESTAMP_URL "" CACHE STRING "A time-stamp server for the signatures; empty: none")
set(DRILL_SIGNING "")
if(DRILL_SIGN_CERTIFICATE OR DRILL_SIGN_KEY)
    set(DRILL_SIGNING -DSIGN_CERTIFICATE=${DRILL_SIGN_CERTIFICATE} -DSIGN_KEY=${DRILL_SIGN_KEY}
        -DSIGN_TIMESTAMP_URL=${DRILL_SIGN_TIMESTAMP_URL})
endif()

include(${CMAKE_CURRENT_LIST_DIR}/icons.cmake)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/resources_win32.cmake)
    include(${CMAKE_CURRENT_LIST_DIR}/package_win32.cmake)
else()
    include(${CMAKE_CURRENT_LIST_DIR}/package_linux.cmake)
endif()

include(CPack)
