# The Windows .zip: the programs, a German and an English read-me and the license, side by
# side at the top of one folder. Double-clicked, the programs work in the folder they lie in
# and meet through its "tovu".
foreach(program IN LISTS DRILL_PROGRAMS)
    install(TARGETS ${program} RUNTIME DESTINATION .)
endforeach()

# Text files with CR LF line ends, as Notepad reads them everywhere; the read-me texts in
# UTF-8 with a byte order mark. A read-me line that begins with %PROGRAM% is about a program
# that may not be built: it is kept, without the mark, only when the program is.
string(ASCII 239 187 191 byte_order_mark)
set(PACKAGE_VERSION ${PROJECT_VERSION})
foreach(text README LIESMICH)
    set(template ${CMAKE_CURRENT_LIST_DIR}/${text}.txt.in)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${template})
    file(READ ${template} content)
    foreach(program drillview drillreport)
        if(TARGET ${program})
            string(REPLACE "\n%${program}%" "\n" content "${content}")
        else()
            string(REGEX REPLACE "\n%${program}%[^\n]*" "" content "${content}")
        endif()
    endforeach()
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/${text}.txt
         CONTENT "${byte_order_mark}${content}" @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${text}.txt DESTINATION .)
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt CONTENT "${DRILL_LICENSE_TEXT}"
     NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt DESTINATION .)

include(${CMAKE_CURRENT_LIST_DIR}/package_msi.cmake)

set(CPACK_GENERATOR ZIP)
