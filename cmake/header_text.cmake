# A text that one of the programs' headers states, read where CMake needs it too, so that it
# is written once: drill_header_text(HEADER NAME VARIABLE) sets VARIABLE to the text of the
# line `NAME = "TEXT"` of HEADER (relative to the source root), and configures again when the
# header changes. A header that states no such text stops the configuration.
function(drill_header_text header name variable)
    set(path ${PROJECT_SOURCE_DIR}/${header})
    file(STRINGS ${path} line ENCODING UTF-8 REGEX "${name} = \"")
    if(NOT line MATCHES "${name} = \"([^\"]+)\"")
        message(FATAL_ERROR "${header} states no ${name}")
    endif()
    set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
endfunction()
