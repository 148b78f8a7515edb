# The Windows installer drill-suite-VERSION-win64.msi (target msi), made with wixl from
# drill-suite.wxs.in: the programs and LICENSE.txt under Program Files, a Start-menu entry
# per program with the German name of its Linux desktop entry and its icon, each started
# through drillstart.exe in the user's Documents\Rechentrainer.
find_program(DRILL_WIXL wixl)
set(msi_dir ${CMAKE_BINARY_DIR}/packaging/msi)
set(DRILL_MSI_UPGRADE_CODE B7803016-4368-48A3-8A34-8A1ED543D02C) # never to change
string(REGEX REPLACE "^[0-9, -]+" "" DRILL_PUBLISHER "${DRILL_COPYRIGHT}") # without the years

function(drill_xml_escape variable)
    string(REPLACE "&" "&amp;" text "${${variable}}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
set(DRILL_MSI_CONTACT "${CPACK_PACKAGE_CONTACT}")
drill_xml_escape(DRILL_MSI_CONTACT)

# Per program: its file, its shortcut and its icon; the files wixl reads, staged in one folder.
set(DRILL_MSI_ICONS "")
set(DRILL_MSI_PROGRAMS "")
set(DRILL_MSI_SHORTCUTS "")
set(DRILL_MSI_COMPONENT_REFS "")
set(msi_files $<TARGET_FILE:drillstart> ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt)
set(msi_depends ${msi_files})
set(icons "")
foreach(program IN LISTS DRILL_PROGRAMS)
    get_target_property(icon ${program} DRILL_ICON)
    get_filename_component(icon_name ${icon} NAME)
    if(NOT icon_name IN_LIST icons)
        list(APPEND icons ${icon_name})
        list(APPEND msi_files ${icon})
        list(APPEND msi_depends ${icon})
        string(APPEND DRILL_MSI_ICONS
            "    <Icon Id=\"${icon_name}\" SourceFile=\"${icon_name}\"/>\n")
    endif()
    set(desktop_entry ${CMAKE_CURRENT_LIST_DIR}/${program}.desktop.in)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop_entry})
    file(STRINGS ${desktop_entry} name REGEX "^Name\\[de\\]=" LIMIT_COUNT 1 ENCODING UTF-8)
    string(REGEX REPLACE "^Name\\[de\\]=" "" name "${name}")
    drill_xml_escape(name)
    list(APPEND msi_files $<TARGET_FILE:${program}>)
    list(APPEND msi_depends $<TARGET_FILE:${program}>)
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
# The texts escaped in a function's scope only: CPack and the tests read them unescaped.
function(drill_configure_wxs)
    foreach(variable DRILL_PRODUCT_NAME DRILL_PUBLISHER DRILL_COPYRIGHT_NOTICE
                     CPACK_PACKAGE_DESCRIPTION_SUMMARY)
        drill_xml_escape(${variable})
    endforeach()
    foreach(fragment DRILL_MSI_ICONS DRILL_MSI_PROGRAMS DRILL_MSI_SHORTCUTS DRILL_MSI_COMPONENT_REFS)
        string(REGEX REPLACE "\n$" "" ${fragment} "${${fragment}}") # the template ends the line
    endforeach()
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/drill-suite.wxs.in ${msi_dir}/drill-suite.wxs
                   @ONLY)
endfunction()
drill_configure_wxs()
list(JOIN msi_files "|" msi_files) # one argument, for the build rule and the test alike

# How msi_build.cmake makes a package of VERSION in WORK; the test makes others the same way.
set(DRILL_MSI_BUILD ${CMAKE_COMMAND} -DWIXL=${DRILL_WIXL} -DSTRIP=${CMAKE_STRIP}
    -DWXS=${msi_dir}/drill-suite.wxs -DUPGRADE_CODE=${DRILL_MSI_UPGRADE_CODE}
    -DFILES=${msi_files} -P ${CMAKE_CURRENT_LIST_DIR}/msi_build.cmake)
set(msi ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64.msi)
add_custom_command(OUTPUT ${msi}
    COMMAND ${DRILL_MSI_BUILD} ${PROJECT_VERSION} ${msi_dir}/files ${msi}
    DEPENDS ${msi_depends} ${msi_dir}/drill-suite.wxs ${CMAKE_CURRENT_LIST_DIR}/msi_build.cmake
    COMMENT "Making ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64.msi" VERBATIM)
add_custom_target(msi DEPENDS ${msi})
