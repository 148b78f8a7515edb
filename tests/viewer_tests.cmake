# The viewer's tests: the reader and the viewer's run over fakes (on every platform), the file
# layer on real files, the reader's fuzz target and benchmark, and drillview itself under Xvfb.
add_executable(viewer_tests
    log_line_reader_fake_file.cpp
    log_line_reader_test.cpp
    viewer_fake_window.cpp
    icon_image_test.cpp
    viewer_test.cpp
)
target_link_libraries(viewer_tests PRIVATE drillview_core test_support)
drill_add_unit_tests(viewer_tests)

# The platform's file layer, once the platform has one (see drillview/CMakeLists.txt).
if(TARGET drillview_file)
    add_executable(viewer_file_tests log_file_test.cpp)
    target_link_libraries(viewer_file_tests PRIVATE drillview_core drillview_reader drillview_file test_support)
    drill_add_unit_tests(viewer_file_tests)
endif()

if(NOT WIN32)
    # The reader against the reference splitter under libFuzzer, built with whatever clang is
    # installed, whatever the compiler of the rest, and run for a few seconds from a small
    # committed corpus.
    find_program(DRILL_CLANGXX NAMES clang++)
    if(DRILL_CLANGXX)
        include(ExternalProject)
        set(fuzz_build ${CMAKE_CURRENT_BINARY_DIR}/fuzz_build)
        set(fuzzer ${fuzz_build}/fuzz_log_line_reader)
        ExternalProject_Add(fuzz_log_line_reader_build
            SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz
            BINARY_DIR ${fuzz_build}
            CMAKE_ARGS -DCMAKE_CXX_COMPILER=${DRILL_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
            BUILD_ALWAYS ON # its own build decides what is out of date
            INSTALL_COMMAND ""
            BUILD_BYPRODUCTS ${fuzzer}
        )
        # New inputs go to a scratch corpus in the build tree; the committed one is only read.
        file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/fuzz_corpus)
        add_test(NAME fuzz_log_line_reader
                 COMMAND ${fuzzer} ${CMAKE_CURRENT_BINARY_DIR}/fuzz_corpus
                         ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus
                         -max_total_time=5 -max_len=20000 -timeout=10 -rss_limit_mb=1024
                 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    else()
        message(STATUS "clang++ not found: the line reader's fuzz target is not built")
    endif()

    # The benchmark; the test only runs it on a small log to see that reader and baseline
    # count the same lines, outside the default run (ctest --preset benchmark). Measure with:
    # log_line_reader_benchmark (200 MB by default).
    find_package(benchmark QUIET)
    if(benchmark_FOUND AND TARGET drillview_file)
        add_executable(log_line_reader_benchmark log_line_reader_benchmark.cpp)
        target_link_libraries(log_line_reader_benchmark
                              PRIVATE drillview_core drillview_reader drillview_file drill_core
                                      drill_log_append benchmark::benchmark)
        add_test(NAME log_line_reader_benchmark
                 COMMAND log_line_reader_benchmark --megabytes=2 --benchmark_min_time=0.01)
        set_tests_properties(log_line_reader_benchmark PROPERTIES LABELS benchmark)
    endif()
endif()

# drillview itself on an X server of its own per test, with a tool that sends the close
# request a window manager's close button would.
if(TARGET drillview AND NOT WIN32)
    find_package(X11 REQUIRED)
    add_executable(viewer_close_request viewer_close_request.cpp)
    target_link_libraries(viewer_close_request PRIVATE X11::X11)
    # Under the sanitize build: the font library's caches are not the viewer's leaks.
    set(leak_suppressions ${CMAKE_CURRENT_SOURCE_DIR}/viewer_leak_suppressions.txt)
    set(cases log code-page-850 empty-log no-log drill-while-open no-display not-regular
              long-row zero-width-row huge-log sparse-log lost-x-server)
    if(NOT DRILL_SANITIZE)
        # AddressSanitizer's operator new ends the process when memory runs out, never throws.
        list(APPEND cases out-of-memory)
    endif()
    foreach(case IN LISTS cases)
        add_test(NAME viewer_e2e_${case}
                 COMMAND timeout 180 ${CMAKE_CURRENT_SOURCE_DIR}/viewer_e2e.sh ${case}
                         $<TARGET_FILE:drillview> $<TARGET_FILE:viewer_close_request>
                         $<TARGET_FILE:drill> ${CMAKE_CURRENT_BINARY_DIR}/viewer_screenshots)
        set_tests_properties(viewer_e2e_${case} PROPERTIES ENVIRONMENT
            "LSAN_OPTIONS=suppressions=${leak_suppressions}:print_suppressions=0;${DRILL_VIEWER_TITLE_ENVIRONMENT};${DRILL_ICON_SIZES_ENVIRONMENT}")
    endforeach()
endif()
