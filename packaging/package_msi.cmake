# The Windows installer drill-suite-VERSION-win64.msi (target msi), made with wixl from
# drill-suite.wxs.in: the programs, the read-me texts and LICENSE.txt under Program Files, a
# Start-menu entry per program with the German name of its Linux desktop entry and its icon,
# each started through drillstart.exe in the user's Documents\Rechentrainer, an entry per
# read-me, and with a class folder given at install the class overview.
find_program(DRILL_WIXL wixl)
find_program(DRILL_MSIBUILD msibuild)
set(msi_dir ${CMAKE_BINARY_DIR}/packaging/msi)
set(DRILL_MSI_UPGRADE_CODE B7803016-4368-48A3-8A34-8A1ED543D02C) # never to change
string(REGEX REPLACE "^[0-9, -]+" "" DRILL_PUBLISHER "${DRILL_COPYRIGHT}") # without the years
# The component of the class folder and its entry, installed only with a class folder.
set(DRILL_MSI_CLASS_COMPONENT classfolder)

function(drill_xml_escape variable)
    string(REPLACE "&" "&amp;" text "${${variable}}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
set(DRILL_MSI_CONTACT "${CPACK_PACKAGE_CONTACT}")
drill_xml_escape(DRILL_MSI_CONTACT)

# A desktop entry's German name: the Start menu's for its program.
function(drill_german_name program variable)
    set(desktop_entry ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${program}.desktop.in)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop_entry})
    file(STRINGS ${desktop_entry} name REGEX "^Name\\[de\\]=" LIMIT_COUNT 1 ENCODING UTF-8)
    string(REGEX REPLACE "^Name\\[de\\]=" "" name "${name}")
    set(${variable} "${name}" PARENT_SCOPE)
endfunction()
# The programs list names the product as the Start menu does: by the drill's entry.
drill_german_name(drill DRILL_MSI_PRODUCT_NAME)

# Per program: its file, its shortcut and its icon; the files wixl reads, staged in one folder,
# and each program's version for the File table, as NAME=VERSION.
set(DRILL_MSI_ICONS "")
set(DRILL_MSI_PROGRAMS "")
set(DRILL_MSI_SHORTCUTS "")
set(DRILL_MSI_COMPONENT_REFS "")
set(msi_files $<TARGET_FILE:drillstart>)
set(msi_versions drillstart.exe=${DRILLSTART_VERSION})
set(icons "")
foreach(program IN LISTS DRILL_PROGRAMS)
    get_target_property(icon ${program} DRILL_ICON)
    get_filename_component(icon_name ${icon} NAME)
    if(program STREQUAL drillreport)
        set(DRILL_MSI_REPORT_ICON ${icon_name})
    endif()
    if(NOT icon_name IN_LIST icons)
        list(APPEND icons ${icon_name})
        list(APPEND msi_files ${icon})
        string(APPEND DRILL_MSI_ICONS
            "    <Icon Id=\"${icon_name}\" SourceFile=\"${icon_name}\"/>\n")
    endif()
    drill_german_name(${program} name)
    drill_xml_escape(name)
    string(TOUPPER ${program}_VERSION version)
    list(APPEND msi_files $<TARGET_FILE:${program}>)
    list(APPEND msi_versions ${program}.exe=${${version}})
    string(APPEND DRILL_MSI_PROGRAMS
        "          <Component Id=\"${program}.exe\" Guid=\"*\" Win64=\"yes\">\n"
        "            <File Id=\"${program}.exe\" Name=\"${program}.exe\" Source=\"${program}.exe\""
        " KeyPath=\"yes\"/>\n"
        "          </Component>\n")
    string(APPEND DRILL_MSI_SHORTCUTS
        "            <Shortcut Id=\"${program}.lnk\" Directory=\"ProgramMenuFolder\""
        " Name=\"${name}\" Target=\"[#drillstart.exe]\" Arguments=\"${program}\""
        " Icon=\"${icon_name}\"/>\n")
    string(APPEND DRILL_MSI_COMPONENT_REFS "      <ComponentRef Id=\"${program}.exe\"/>\n")
endforeach()

# The texts beside the programs; each read-me has an entry of its own, named after the
# product: TEXT or TEXT=ENTRY.
set(DRILL_MSI_TEXTS "")
foreach(text IN ITEMS LICENSE.txt LIESMICH=Liesmich "README=Read me")
    string(REGEX REPLACE "=.*" ".txt" file "${text}")
    string(FIND "${text}" "=" equals)
    set(entry "")
    if(equals GREATER 0)
        math(EXPR equals "${equals} + 1")
        string(SUBSTRING "${text}" ${equals} -1 entry)
    endif()
    list(APPEND msi_files ${CMAKE_BINARY_DIR}/packaging/${file})
    string(APPEND DRILL_MSI_TEXTS
        "          <Component Id=\"${file}\" Guid=\"*\" Win64=\"yes\">\n"
        "            <File Id=\"${file}\" Name=\"${file}\" Source=\"${file}\" KeyPath=\"yes\"/>\n")
    if(entry)
        string(APPEND DRILL_MSI_TEXTS
            "            <Shortcut Id=\"${file}.lnk\" Directory=\"ProgramMenuFolder\""
            " Name=\"${DRILL_MSI_PRODUCT_NAME} – ${entry}\" Target=\"[#${file}]\"/>\n")
    endif()
    string(APPEND DRILL_MSI_TEXTS "          </Component>\n")
    string(APPEND DRILL_MSI_COMPONENT_REFS "      <ComponentRef Id=\"${file}\"/>\n")
endforeach()

# The texts escaped in a function's scope only: CPack and the tests read them unescaped.
function(drill_configure_wxs)
    foreach(variable DRILL_MSI_PRODUCT_NAME DRILL_PUBLISHER DRILL_COPYRIGHT_NOTICE
                     DRILL_HOMEPAGE DRILL_CLASS_OVERVIEW_NAME)
        drill_xml_escape(${variable})
    endforeach()
    foreach(fragment DRILL_MSI_ICONS DRILL_MSI_PROGRAMS DRILL_MSI_SHORTCUTS DRILL_MSI_TEXTS
                     DRILL_MSI_COMPONENT_REFS)
        string(REGEX REPLACE "\n$" "" ${fragment} "${${fragment}}") # the template ends the line
    endforeach()
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/drill-suite.wxs.in ${msi_dir}/drill-suite.wxs
                   @ONLY)
endfunction()
drill_configure_wxs()
list(JOIN msi_files "|" msi_files) # one argument, for the build rule and the test alike
list(JOIN msi_versions "|" msi_versions)

# How msi_build.cmake makes a package of VERSION in WORK; the test makes others the same way.
# The programs and the package are signed when DRILL_SIGN_CERTIFICATE and DRILL_SIGN_KEY are
# set (sign_file.cmake).
set(DRILL_MSI_BUILD ${CMAKE_COMMAND} -DWIXL=${DRILL_WIXL} -DMSIBUILD=${DRILL_MSIBUILD}
    -DSTRIP=${CMAKE_STRIP} -DWXS=${msi_dir}/drill-suite.wxs -DUPGRADE_CODE=${DRILL_MSI_UPGRADE_CODE}
    -DFILES=${msi_files} -DVERSIONS=${msi_versions} -DPRODUCT_NAME=${DRILL_MSI_PRODUCT_NAME}
    -DPUBLISHER=${DRILL_PUBLISHER} -DCLASS_COMPONENT=${DRILL_MSI_CLASS_COMPONENT}
    -DCLASS_PROPERTY=${DRILL_CLASS_FOLDER_PROPERTY} -DSIGN_NAME=${DRILL_MSI_PRODUCT_NAME}
    -DSIGN_URL=${DRILL_HOMEPAGE} ${DRILL_SIGNING}
    -P ${CMAKE_CURRENT_LIST_DIR}/msi_build.cmake)
set(msi ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64.msi)
string(REPLACE "|" ";" msi_depends "${msi_files}")
add_custom_command(OUTPUT ${msi}
    COMMAND ${DRILL_MSI_BUILD} ${PROJECT_VERSION} ${msi_dir}/files ${msi}
    DEPENDS ${msi_depends} ${msi_dir}/drill-suite.wxs ${CMAKE_CURRENT_LIST_DIR}/msi_build.cmake
            ${CMAKE_CURRENT_LIST_DIR}/sign_file.cmake
    COMMENT "Making ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64.msi" VERBATIM)
add_custom_target(msi DEPENDS ${msi})
