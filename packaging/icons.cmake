# The programs' committed icons (the launcher drillstart has the drill's), made by the
# generators in tools/.
set(DRILL_ICON ${PROJECT_SOURCE_DIR}/drill/drill.ico)
set(DRILLVIEW_ICON ${PROJECT_SOURCE_DIR}/drillview/drillview.ico)
set(DRILLREPORT_ICON ${PROJECT_SOURCE_DIR}/drillreport/drillreport.ico)
set(DRILLSTART_ICON ${DRILL_ICON})

# The sizes of an icon's images, as its .ico file's directory states them: the icon's generator
# states them once, and the install rules and the tests read them here.
function(drill_icon_sizes ico result)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ico})
    file(READ ${ico} header LIMIT 6 HEX)
    if(NOT header MATCHES "^00000100(..)(..)$")
        message(FATAL_ERROR "${ico} is not an icon file")
    endif()
    math(EXPR count "0x${CMAKE_MATCH_2}${CMAKE_MATCH_1}")
    if(count EQUAL 0)
        message(FATAL_ERROR "${ico} holds no image")
    endif()
    # Each image's entry is 16 bytes, its width the first; 0 stands for 256.
    math(EXPR directory_size "16 * ${count}")
    file(READ ${ico} directory OFFSET 6 LIMIT ${directory_size} HEX)
    set(sizes "")
    foreach(entry RANGE 1 ${count})
        math(EXPR at "32 * (${entry} - 1)")
        string(SUBSTRING "${directory}" ${at} 2 width)
        math(EXPR width "0x${width}")
        if(width EQUAL 0)
            set(width 256)
        endif()
        list(APPEND sizes ${width})
    endforeach()
    set(${result} ${sizes} PARENT_SCOPE)
endfunction()
