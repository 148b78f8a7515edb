# The Win32 programs' tests, run under Wine in the cross build: the appender's and the
# launcher's command line's own unit tests, drill.exe and drillview.exe end to end, their
# resources, and the committed icons against their generators.
if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING)
    return()
endif()

# GCC 12 warns wrongly about "literal" + std::string at -O3 (-Wrestrict false positive).
set_source_files_properties(console_io_test.cpp PROPERTIES COMPILE_OPTIONS -Wno-restrict)

add_executable(win32_log_append_tests win32_log_append_test.cpp)
target_link_libraries(win32_log_append_tests PRIVATE test_support)
drill_add_unit_tests(win32_log_append_tests)
# Wine gives no full disk, but a file size limit of 4 KiB on the test (not on Wine's server,
# started by the prefix's set-up) fails a write as one does.
add_test(NAME win32_log_append_full_disk
         COMMAND sh -c "ulimit -f 8; trap '' XFSZ; exec \"$@\"" sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                 $<TARGET_FILE:win32_log_append_tests> --gtest_filter=*CutsOff*)
set_tests_properties(win32_log_append_full_disk PROPERTIES FAIL_REGULAR_EXPRESSION "SKIPPED")

# The launcher's command line, taken apart by the system's own parser.
add_executable(win32_command_line_tests win32_command_line_test.cpp)
target_link_libraries(win32_command_line_tests PRIVATE drillstart_command_line GTest::gtest
                      GTest::gtest_main shell32)
drill_add_unit_tests(win32_command_line_tests)

# drill.exe end to end: the table of runs the native drill takes too, and a real console.
foreach(run IN ITEMS table console)
    add_test(NAME win32_drill_e2e_${run}
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/drill_e2e.sh win32 ${run} $<TARGET_FILE:drill>
                     ${CMAKE_CURRENT_BINARY_DIR}/win32_drill_e2e_${run})
endforeach()

# Each program's resources and imports, its version the one CMakeLists.txt gives it, its icon
# the one its resources were made with, at the sizes of that .ico file.
function(drill_add_resources_test program kind) # SYSTEM_DLL...
    string(TOUPPER ${program}_VERSION version)
    get_target_property(icon ${program} DRILL_ICON)
    drill_icon_sizes(${icon} icon_sizes)
    string(REPLACE ";" "," icon_sizes "${icon_sizes}")
    add_test(NAME win32_${program}_resources
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32_program_resources.sh
                     $<TARGET_FILE:${program}> ${icon} ${${version}} ${kind}
                     ${icon_sizes} kernel32.dll msvcrt.dll user32.dll gdi32.dll ${ARGN})
endfunction()
drill_add_resources_test(drill console advapi32.dll shell32.dll)
drill_add_resources_test(drillreport console ole32.dll shell32.dll)
drill_add_resources_test(drillstart window advapi32.dll ole32.dll shell32.dll)

# The committed icons must be what the committed generators (tools/) draw.
# The generators are built before the emulator is set, so it is named here.
foreach(program IN ITEMS drill drillreport)
    string(TOUPPER ${program}_ICON icon)
    add_test(NAME win32_${program}_icon_generate
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}_icon_generator>
                     ${program}_generated.ico)
    add_test(NAME win32_${program}_icon_current
             COMMAND ${CMAKE_COMMAND} -E compare_files ${program}_generated.ico ${${icon}})
    set_tests_properties(win32_${program}_icon_generate PROPERTIES FIXTURES_SETUP ${program}_icon)
    set_tests_properties(win32_${program}_icon_current PROPERTIES FIXTURES_REQUIRED ${program}_icon)
endforeach()

# drillview.exe: its resources, its committed icon against the generator, and the program on
# a Wine desktop inside an X server of its own, looked at by a test-only inspector.
if(TARGET drillview)
    drill_add_resources_test(drillview window)

    add_test(NAME win32_viewer_icon_generate
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:drillview_icon_generator>
                     drillview_generated.ico)
    add_test(NAME win32_viewer_icon_current
             COMMAND ${CMAKE_COMMAND} -E compare_files drillview_generated.ico ${DRILLVIEW_ICON})
    set_tests_properties(win32_viewer_icon_generate PROPERTIES FIXTURES_SETUP drillview_icon)
    set_tests_properties(win32_viewer_icon_current PROPERTIES FIXTURES_REQUIRED drillview_icon)

    add_executable(win32_viewer_probe win32_viewer_probe.cpp)
    target_link_libraries(win32_viewer_probe PRIVATE user32 gdi32)
    set(viewer_e2e ${CMAKE_CURRENT_SOURCE_DIR}/win32_viewer_e2e.sh)
    foreach(case line-ends no-log empty-log many-rows keys drill-while-open not-regular huge-log
                 sparse-log)
        add_test(NAME win32_viewer_e2e_${case}
                 COMMAND timeout --kill-after=10 300 bash ${viewer_e2e} ${case}
                         $<TARGET_FILE:drillview> $<TARGET_FILE:win32_viewer_probe>
                         $<TARGET_FILE:drill> ${CMAKE_CURRENT_BINARY_DIR}/win32_viewer_screenshots)
        set_tests_properties(win32_viewer_e2e_${case} PROPERTIES ENVIRONMENT
                             "${DRILL_VIEWER_TITLE_ENVIRONMENT}")
    endforeach()

    # The speed benchmark on small logs, only to keep it working: outside the default run
    # (ctest --preset win32-benchmark). See the script for measuring.
    add_test(NAME win32_viewer_benchmark_smoke
             COMMAND timeout --kill-after=10 300 bash
                     ${CMAKE_CURRENT_SOURCE_DIR}/win32_viewer_benchmark.sh
                     $<TARGET_FILE:drillview> $<TARGET_FILE:win32_viewer_probe> 1 1000)
    set_tests_properties(win32_viewer_benchmark_smoke PROPERTIES LABELS benchmark)
endif()

# One Wine prefix for every test of this directory, set up once before the first of them and
# shut down after the last; wine.cmake names it and Wine's quiet settings.
add_test(NAME win32_wine_prefix_setup
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32_wine_prefix.sh setup)
add_test(NAME win32_wine_prefix_shutdown
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32_wine_prefix.sh shutdown)
set_tests_properties(win32_wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(win32_wine_prefix_shutdown PROPERTIES FIXTURES_CLEANUP wine_prefix)
get_directory_property(wine_tests TESTS)
foreach(test IN LISTS wine_tests)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${DRILL_WINE_ENVIRONMENT})
    if(NOT test MATCHES "^win32_wine_prefix_")
        set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine_prefix)
    endif()
endforeach()
