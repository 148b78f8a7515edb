# What `cmake --install` puts where, and the packages CPack makes of it: a .deb on Linux (the
# programs, their desktop entries and icons) and a .zip for Windows (the programs and a German
# and an English read-me). The package's version is the project's.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME drill-suite)
set(CPACK_PACKAGE_CONTACT "drill developers <drill@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic drill for learners, with a log viewer")
# Lines of the long description, as the .deb shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "drill poses random exercises of six kinds, from addition to square roots, in"
    "five number ranges, judges each answer and grades each series from 1 to 6."
    "drillview shows the drill log, the file tovu that both programs share in their"
    "working folder. The programs speak German.")
set(CPACK_STRIP_FILES ON)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)

# The version a program's resources give (FileVersion), for the read-me texts.
function(drill_resource_version rc_file variable)
    set(version "")
    if(EXISTS ${rc_file})
        file(STRINGS ${rc_file} line REGEX "VALUE \"FileVersion\"")
        string(REGEX REPLACE ".*\"FileVersion\", *\"([0-9.]+)\".*" "\\1" version "${line}")
    endif()
    set(${variable} "${version}" PARENT_SCOPE)
endfunction()

# A program's icon at the sizes its .ico holds, as PNG files of the hicolor theme.
find_program(DRILL_ICOTOOL icotool)
function(drill_install_icon name ico)
    if(NOT DRILL_ICOTOOL)
        message(STATUS "icotool (Debian package icoutils) not found: no icon for ${name}")
        return()
    endif()
    set(pngs "")
    foreach(size IN LISTS ARGN)
        set(png ${CMAKE_BINARY_DIR}/packaging/${name}-${size}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${DRILL_ICOTOOL} --extract --width=${size} --bit-depth=32 --output=${png}
                    ${ico}
            DEPENDS ${ico}
            COMMENT "Extracting the ${size} pixel icon of ${name}"
            VERBATIM
        )
        list(APPEND pngs ${png})
        install(FILES ${png} RENAME ${name}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(${name}_hicolor_icons ALL DEPENDS ${pngs})
endfunction()

if(WIN32)
    # Everything side by side at the top of the folder: double-clicked, both programs work
    # in the folder they lie in and meet through its "tovu".
    install(TARGETS drill RUNTIME DESTINATION .)
    if(TARGET drillview)
        install(TARGETS drillview RUNTIME DESTINATION .)
    endif()

    # UTF-8 with a byte order mark and CR LF line ends, as Notepad reads them everywhere.
    set(PACKAGE_VERSION ${PROJECT_VERSION})
    drill_resource_version(${PROJECT_SOURCE_DIR}/drill/drill.rc DRILL_VERSION)
    drill_resource_version(${PROJECT_SOURCE_DIR}/drillview/drillview.rc DRILLVIEW_VERSION)
    string(ASCII 239 187 191 byte_order_mark)
    foreach(text README LIESMICH)
        set(template ${CMAKE_CURRENT_LIST_DIR}/${text}.txt.in)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
        file(READ ${template} content)
        file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/${text}.txt
             CONTENT "${byte_order_mark}${content}" @ONLY NEWLINE_STYLE CRLF)
        install(FILES ${CMAKE_BINARY_DIR}/packaging/${text}.txt DESTINATION .)
    endforeach()

    set(CPACK_GENERATOR ZIP)
else()
    install(TARGETS drill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    # Desktop entries are written at install time, when the prefix their Exec names is known.
    set(desktop_entries ${CMAKE_CURRENT_LIST_DIR}/drill.desktop.in)
    drill_install_icon(drill ${PROJECT_SOURCE_DIR}/drill/drill.ico 48 32 16)
    if(TARGET drillview)
        install(TARGETS drillview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        list(APPEND desktop_entries ${CMAKE_CURRENT_LIST_DIR}/drillview.desktop.in)
        drill_install_icon(drillview ${PROJECT_SOURCE_DIR}/drillview/drillview.ico 128 48 32)
    endif()
    install(CODE "
        include(\"${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake\")
        set(DRILL_DESKTOP_ENTRY_DIR \"${CMAKE_BINARY_DIR}/packaging\")
        foreach(template ${desktop_entries})
            drill_install_desktop_entry(\"\${template}\" ${CMAKE_INSTALL_BINDIR}
                                        ${CMAKE_INSTALL_DATADIR})
        endforeach()
    ")

    # The package's files go to /usr; the desktop entries' Exec must name /usr, not the
    # folder CPack stages them in, so CPack installs with DESTDIR.
    set(CPACK_GENERATOR DEB)
    set(CPACK_SET_DESTDIR ON)
    set(CPACK_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
