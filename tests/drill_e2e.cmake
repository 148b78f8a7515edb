# The real drill binary, through a pipe and a pseudo-terminal; drillreport, where built, reads
# what it wrote.
if(NOT WIN32)
    add_executable(drill_e2e_tests drill_e2e_posix_test.cpp)
    target_link_libraries(drill_e2e_tests PRIVATE test_support util)
    set(drillreport_binary "")
    if(TARGET drillreport)
        set(drillreport_binary $<TARGET_FILE:drillreport>)
        add_dependencies(drill_e2e_tests drillreport)
    endif()
    target_compile_definitions(drill_e2e_tests PRIVATE DRILL_BINARY="$<TARGET_FILE:drill>"
                                                       DRILLREPORT_BINARY="${drillreport_binary}")
    add_dependencies(drill_e2e_tests drill)
    drill_add_unit_tests(drill_e2e_tests)
    # The table of runs from a file and through pipes, which drill.exe takes under Wine too.
    add_test(NAME drill_e2e_table
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/drill_e2e.sh native table $<TARGET_FILE:drill>
                     ${CMAKE_CURRENT_BINARY_DIR}/drill_e2e_table)
endif()
