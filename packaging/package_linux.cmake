# Linux: the programs, their desktop entries, icons, AppStream metadata and manual pages, the
# copyright file and the changelog, as `cmake --install` puts them under a prefix and the .deb
# under /usr; and the desktop entries' one setting, the class folder, in a file under /etc.
include(GNUInstallDirs)
set(build_dir ${CMAKE_BINARY_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
# Reverse domain of the AppStream components' names.
set(appstream_domain org.example)

# The programs go where Debian keeps games and learning drills when the prefix is a system's
# (/usr, as in the .deb, or /usr/local): there /usr/bin/drill of ldnsutils is not in the way.
# Any other prefix, such as ~/.local, keeps bin/, which is on the user's PATH. Decided at
# install time, when the prefix is known.
install(CODE [[
    if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/*$")
        set(DRILL_PROGRAM_DIR games)
    else()
        set(DRILL_PROGRAM_DIR bin)
    endif()
]])

# The class folder of the desktop entries, read by their launch lines, never by the programs:
# a line naming a folder makes each user's entries work in the user's folder there, made at
# the first start, instead of the home folder. /etc/drill-suite/klassenordner for the .deb,
# which ships it as a conffile, without a folder; PREFIX/etc/... for any other prefix. An
# install keeps the file it finds.
string(TOLOWER ${DRILL_CLASS_FOLDER_PROPERTY} settings_name)
set(DRILL_SETTINGS_PATH etc/${CPACK_PACKAGE_NAME}/${settings_name}) # below / or the prefix
set(settings_default ${CMAKE_CURRENT_LIST_DIR}/class_folder_setting)
install(CODE "
    if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr/*$\")
        set(DRILL_SETTINGS_FILE /${DRILL_SETTINGS_PATH})
    else()
        set(DRILL_SETTINGS_FILE \${CMAKE_INSTALL_PREFIX}/${DRILL_SETTINGS_PATH})
    endif()
    if(NOT EXISTS \"\$ENV{DESTDIR}\${DRILL_SETTINGS_FILE}\")
        get_filename_component(settings_dir \"\${DRILL_SETTINGS_FILE}\" DIRECTORY)
        file(INSTALL DESTINATION \"\${settings_dir}\" TYPE FILE RENAME ${settings_name}
             FILES \"${settings_default}\")
    endif()
")
file(CONFIGURE OUTPUT ${build_dir}/conffiles CONTENT "/${DRILL_SETTINGS_PATH}\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${build_dir}/conffiles)
foreach(program IN LISTS DRILL_PROGRAMS)
    install(TARGETS ${program} RUNTIME DESTINATION "\${DRILL_PROGRAM_DIR}")
    # A stripped program also loses the compiler's version notes, as Debian's strip does.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${DRILL_PROGRAM_DIR}/${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
    ")
endforeach()

# A program's icon at the sizes its .ico holds, as PNG files of the hicolor theme.
find_program(DRILL_ICOTOOL icotool)
function(drill_install_icon name ico)
    if(NOT DRILL_ICOTOOL)
        message(STATUS "icotool (Debian package icoutils) not found: no icon for ${name}")
        return()
    endif()
    drill_icon_sizes(${ico} sizes)
    set(pngs "")
    foreach(size IN LISTS sizes)
        set(png ${build_dir}/${name}-${size}.png)
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
drill_install_icon(drill ${DRILL_ICON})
if(TARGET drillview)
    drill_install_icon(drillview ${DRILLVIEW_ICON})
endif()
if(TARGET drillreport)
    drill_install_icon(drillreport ${DRILLREPORT_ICON})
endif()

# Every entry's command begins here: `settle` goes to the folder the entry works in, the
# user's in the class folder ({settings} is the setting's file) or else the home folder, and
# answers false, having said why, when it cannot; `say` tells the user, as there is no
# terminal. {name} is the entry's German name, {icon} its icon's.
set(settle [=[
    say() { notify-send -i {icon} "$1" 2>/dev/null || xmessage -center "$1" 2>/dev/null ||
        printf '%s\n' "$1" >&2; };
    settle() { work=; while IFS= read -r line; do case $line in ''|'#'*) ;;
        *) work=${line%/}/$(id -un); break;; esac; done 2>/dev/null <{settings};
        if [ -z "$work" ]; then [ -d "$HOME" ] && cd -- "$HOME" ||
            { say '{name}: Dein persönlicher Ordner (HOME) ist nicht zu finden.'; return 1; };
        else { [ -d "$work" ] || mkdir -- "$work"; } 2>/dev/null && cd -- "$work" ||
            { say "{name}: Der Ordner $work kann nicht angelegt werden."; return 1; }; fi; };]=])

# A desktop program: its desktop entry, written at install time with the command its Exec
# runs after `settle` ({} is the program), and its AppStream component, named as in the entry.
function(drill_install_desktop_program program command)
    set(template ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${program}.desktop.in)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
    file(STRINGS ${template} name REGEX "^Name=" ENCODING UTF-8)
    file(STRINGS ${template} name_de REGEX "^Name\\[de\\]=" ENCODING UTF-8)
    string(REGEX REPLACE "^[^=]*=" "" NAME "${name}")
    string(REGEX REPLACE "^[^=]*=" "" NAME_DE "${name_de}")
    # One line in the entry: each line end here becomes a blank.
    string(REPLACE "{name}" "${NAME_DE}" command "${settle} ${command}")
    string(REPLACE "{icon}" "${program}" command "${command}")
    string(REGEX REPLACE "[\n ]+" " " command "${command}")
    string(STRIP "${command}" command)
    install(CODE "
        include(\"${CMAKE_CURRENT_FUNCTION_LIST_DIR}/desktop_entry.cmake\")
        set(DRILL_DESKTOP_ENTRY_DIR \"${build_dir}\")
        drill_install_desktop_entry(\"${template}\" \"\${DRILL_PROGRAM_DIR}\"
                                    \"\${DRILL_SETTINGS_FILE}\" ${CMAKE_INSTALL_DATADIR}
                                    [==[${command}]==])
    ")

    set(ID ${appstream_domain}.${program})
    set(metainfo ${build_dir}/${ID}.metainfo.xml)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${program}.metainfo.xml.in ${metainfo}
                   @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endfunction()
drill_install_desktop_program(drill "settle && exec {}")
if(TARGET drillview)
    drill_install_desktop_program(drillview "settle && exec {}")
endif()
if(TARGET drillreport)
    # Only a page just written is opened: drillreport writes one even when a log cannot be
    # read, as a new file in the old one's place, so ls -i tells (its exit code does not).
    # Its messages follow, as a notification or in a window. Without its folder nothing is
    # written or opened.
    set(command [=[
        settle || exit 1;
        page=@DRILL_PAGE_NAME@; was=$(ls -diL $page 2>/dev/null);
        error=$({} --html $page tovu 2>&1 >/dev/null);
        [ "$(ls -diL $page 2>/dev/null)" = "$was" ] || xdg-open $page;
        [ -z "$error" ] || say "$error"]=])
    string(CONFIGURE "${command}" command @ONLY)
    drill_install_desktop_program(drillreport "${command}")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libnotify-bin")
endif()

# Files compressed as Debian wants them (gzip -9n: no name, no time stamp), installed as
# DESTINATION/NAME.gz.
set(compressed "")
function(drill_install_compressed file destination name)
    file(RELATIVE_PATH copy ${PROJECT_SOURCE_DIR} ${file})
    set(copy ${CMAKE_BINARY_DIR}/${copy})
    set(output ${copy}.gz)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${file}
        VERBATIM
    )
    install(FILES ${output} DESTINATION ${destination} RENAME ${name}.gz)
    set(compressed ${compressed} ${output} PARENT_SCOPE)
endfunction()

# Manual pages in section 6, in English and German.
foreach(program IN LISTS DRILL_PROGRAMS)
    drill_install_compressed(${CMAKE_CURRENT_LIST_DIR}/man/${program}.6
                             ${CMAKE_INSTALL_MANDIR}/man6 ${program}.6)
    drill_install_compressed(${CMAKE_CURRENT_LIST_DIR}/man/de/${program}.6
                             ${CMAKE_INSTALL_MANDIR}/de/man6 ${program}.6)
endforeach()

# The changelog as a native package's, and the copyright file in Debian's machine-readable
# format, with the license's text from LICENSE.
drill_install_compressed(${PROJECT_SOURCE_DIR}/CHANGELOG ${doc_dir} changelog)
string(FIND "${DRILL_LICENSE_TEXT}" "Permission" terms_start)
string(SUBSTRING "${DRILL_LICENSE_TEXT}" ${terms_start} -1 terms)
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " LICENSE_TERMS " ${terms}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${build_dir}/copyright @ONLY)
install(FILES ${build_dir}/copyright DESTINATION ${doc_dir})
add_custom_target(drill_compressed_documents ALL DEPENDS ${compressed})

# The package's files go to /usr; the desktop entries' Exec must name /usr, not the folder
# CPack stages them in, so CPack installs with DESTDIR.
set(CPACK_GENERATOR DEB)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DRILL_HOMEPAGE})
