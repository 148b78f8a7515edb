# drillreport's tests: its core over real files (on every platform, under Wine in the cross
# build), the program end to end, its page in a real browser, and its benchmark.
if(NOT TARGET drillreport)
    return() # built with the viewer's line reader (DRILL_BUILD_VIEWER)
endif()

add_executable(drillreport_tests report_output_test.cpp report_records_test.cpp)
target_link_libraries(drillreport_tests PRIVATE drillreport_core test_support)
drill_add_unit_tests(drillreport_tests)

# The program end to end: natively, or drillreport.exe under Wine in the cross build.
set(report_e2e ${CMAKE_CURRENT_SOURCE_DIR}/drillreport_e2e.sh)
if(CMAKE_CROSSCOMPILING)
    add_test(NAME win32_drillreport_e2e
             COMMAND bash ${report_e2e} wine $<TARGET_FILE:drillreport>
                     ${CMAKE_CURRENT_BINARY_DIR}/win32_drillreport_e2e)
else()
    add_test(NAME drillreport_e2e
             COMMAND bash ${report_e2e} native $<TARGET_FILE:drillreport>
                     ${CMAKE_CURRENT_BINARY_DIR}/drillreport_e2e)
endif()
