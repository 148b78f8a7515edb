# drillreport's tests: its core over real files (on every platform, under Wine in the cross
# build), the program end to end, its page in a real browser, and its benchmark.
add_executable(drillreport_tests report_output_test.cpp report_records_test.cpp)
target_link_libraries(drillreport_tests PRIVATE drillreport_core drillview_reader drillview_file
                      test_support)
drill_add_unit_tests(drillreport_tests)

# The program end to end: natively, or drillreport.exe under Wine in the cross build.
set(report_e2e ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_e2e.sh)
if(CMAKE_CROSSCOMPILING)
    add_executable(win32_own_console win32_own_console.cpp) # as Explorer starts a program
    add_test(NAME win32_drillreport_e2e
             COMMAND bash ${report_e2e} wine $<TARGET_FILE:drillreport>
                     ${CMAKE_CURRENT_BINARY_DIR}/win32_drillreport_e2e
                     $<TARGET_FILE:win32_own_console> $<TARGET_FILE:drillstart>)
    set_tests_properties(win32_drillreport_e2e PROPERTIES ENVIRONMENT
                         "DRILL_PAGE_NAME=${DRILL_PAGE_NAME};DRILL_USER_FOLDER=${DRILL_USER_FOLDER}")
else()
    add_test(NAME drillreport_e2e
             COMMAND bash ${report_e2e} native $<TARGET_FILE:drillreport>
                     ${CMAKE_CURRENT_BINARY_DIR}/drillreport_e2e)
endif()

if(CMAKE_CROSSCOMPILING)
    return()
endif()

# The committed table of sort letters must be what the committed generator (tools/) makes of
# Unicode's data (Debian's unicode-data).
set(DRILL_UNICODE_DATA /usr/share/unicode/UnicodeData.txt)
if(EXISTS ${DRILL_UNICODE_DATA})
    add_test(NAME drillreport_sort_letters_generate
             COMMAND sort_letters_generator ${DRILL_UNICODE_DATA} sort_letters_generated.cpp)
    add_test(NAME drillreport_sort_letters_current
             COMMAND ${CMAKE_COMMAND} -E compare_files sort_letters_generated.cpp
                     ${PROJECT_SOURCE_DIR}/drillreport/sort_letters.cpp)
    set_tests_properties(drillreport_sort_letters_generate PROPERTIES FIXTURES_SETUP sort_letters)
    set_tests_properties(drillreport_sort_letters_current PROPERTIES FIXTURES_REQUIRED sort_letters)
else()
    message(STATUS "${DRILL_UNICODE_DATA} not found: the table of sort letters is not checked")
endif()

# The page through a strict HTML parser (Debian's python3-html5lib) and Debian's chromium.
find_program(DRILL_CHROMIUM chromium)
if(DRILL_CHROMIUM AND EXISTS /usr/bin/python3)
    add_test(NAME drillreport_page
             COMMAND timeout 300 bash ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_page_test.sh
                     $<TARGET_FILE:drillreport> ${CMAKE_CURRENT_BINARY_DIR}/drillreport_page)
    set_tests_properties(drillreport_page PROPERTIES FIXTURES_SETUP drillreport_page)
    # The page that test wrote, checked by axe-core with node, and by the Nu Html Checker with
    # Java (both from npm, installed once into one folder, one test at a time).
    function(drill_page_check name) # drillreport_page_NAME.sh PAGE MODULE-DIR
        add_test(NAME drillreport_page_${name}
                 COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_page_${name}.sh
                         ${CMAKE_CURRENT_BINARY_DIR}/drillreport_page/page.html
                         ${CMAKE_CURRENT_BINARY_DIR}/page_axe)
        set_tests_properties(drillreport_page_${name} PROPERTIES FIXTURES_REQUIRED
                             drillreport_page SKIP_RETURN_CODE 77 RESOURCE_LOCK page_tools)
    endfunction()
    find_program(DRILL_NODE node)
    find_program(DRILL_JAVA java)
    if(DRILL_NODE)
        drill_page_check(axe)
        if(DRILL_JAVA)
            drill_page_check(vnu)
        else()
            message(STATUS "java not found: drillreport's page is not checked by the Nu checker")
        endif()
        # The page's benchmark in the browser, only run on a small log, outside the default run
        # (ctest --preset benchmark). Measure with the script's defaults.
        add_test(NAME drillreport_page_benchmark_smoke
                 COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_page_benchmark.sh
                         $<TARGET_FILE:drillreport> ${CMAKE_CURRENT_BINARY_DIR}/page_axe 100 1 125)
        set_tests_properties(drillreport_page_benchmark_smoke PROPERTIES LABELS benchmark
                             SKIP_RETURN_CODE 77 RESOURCE_LOCK page_tools)
    else()
        message(STATUS "node not found: drillreport's page is not checked by axe-core")
    endif()
else()
    message(STATUS "chromium or /usr/bin/python3 not found: drillreport's page is not checked")
endif()

# The CSV as two spreadsheet programs from Debian's archive read it.
find_program(DRILL_SOFFICE soffice)
find_program(DRILL_SSCONVERT ssconvert)
if(DRILL_SOFFICE AND DRILL_SSCONVERT AND EXISTS /usr/bin/python3)
    add_test(NAME drillreport_spreadsheets
             COMMAND timeout 600 bash ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_spreadsheet_test.sh
                     $<TARGET_FILE:drillreport> ${CMAKE_CURRENT_BINARY_DIR}/drillreport_spreadsheets)
else()
    message(STATUS "soffice or ssconvert not found: drillreport's CSV is not opened in them")
endif()

# The benchmark's baseline, the line reader alone; the test only runs the benchmark on a small
# log, outside the default run (ctest --preset benchmark). Measure with the script's defaults.
add_executable(drillreport_read_lines drillreport_read_lines.cpp)
target_link_libraries(drillreport_read_lines PRIVATE drillview_reader drillview_file)
add_test(NAME drillreport_benchmark_smoke
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_benchmark.sh
                 $<TARGET_FILE:drillreport> $<TARGET_FILE:drillreport_read_lines> 1000 1 100 1000)
set_tests_properties(drillreport_benchmark_smoke PROPERTIES LABELS benchmark)
