# The real drill binary, through a pipe and a pseudo-terminal.
if(NOT WIN32)
    add_executable(drill_e2e_tests drill_e2e_posix_test.cpp)
    target_link_libraries(drill_e2e_tests PRIVATE test_support util)
    target_compile_definitions(drill_e2e_tests PRIVATE DRILL_BINARY="$<TARGET_FILE:drill>")
    add_dependencies(drill_e2e_tests drill)
    drill_add_unit_tests(drill_e2e_tests)
endif()
