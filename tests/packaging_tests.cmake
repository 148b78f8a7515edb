# The packages as users get them, from the finished build: the .deb and cmake --install in
# the Linux build, the .zip under Wine in the cross build. Each makes its package in a scratch
# folder of its own; none rebuilds the project.
if(DRILL_SANITIZE OR NOT EXISTS ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
    return() # a package of a sanitizer build is of no use to anyone
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # The packages are GCC's: for clang, Debian 12's C library leaves snprintf and read
    # unchecked, the only calls drill and drillreport have checked (hardening-check).
    return()
endif()
set(cpack_config ${CMAKE_BINARY_DIR}/CPackConfig.cmake)

if(NOT WIN32)
    # The README names the packages and the .exe files with the versions stated here.
    add_test(NAME packaging_readme_versions
             COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md
                     -DPROJECT_VERSION=${PROJECT_VERSION} -DDRILL_VERSION=${DRILL_VERSION}
                     -DDRILLVIEW_VERSION=${DRILLVIEW_VERSION}
                     -DDRILLREPORT_VERSION=${DRILLREPORT_VERSION}
                     -DDRILLSTART_VERSION=${DRILLSTART_VERSION}
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/readme_versions.cmake)
    if(NOT TARGET viewer_close_request)
        return() # no viewer, no window tests (DRILL_BUILD_VIEWER=OFF)
    endif()
    set(deb_work ${CMAKE_CURRENT_BINARY_DIR}/packaging_deb)
    add_test(NAME packaging_deb
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_deb.sh ${cpack_config}
                     ${PROJECT_VERSION} $<TARGET_FILE:viewer_close_request> ${deb_work}
                     ${DRILL_PROGRAMS})
    # Debian's checkers and the ldnsutils comparison look at the .deb packaging_deb made.
    add_test(NAME packaging_deb_lint
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_deb_lint.sh ${deb_work}
                     ${CMAKE_BINARY_DIR} ${DRILL_PROGRAMS})
    add_test(NAME packaging_ldnsutils
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_ldnsutils.sh ${deb_work}
                     ${CMAKE_CURRENT_BINARY_DIR}/packaging_ldnsutils)
    set_tests_properties(packaging_deb PROPERTIES FIXTURES_SETUP deb)
    set_tests_properties(packaging_deb_lint packaging_ldnsutils PROPERTIES FIXTURES_REQUIRED deb)
    set_tests_properties(packaging_ldnsutils PROPERTIES SKIP_RETURN_CODE 77)
    add_test(NAME packaging_install
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_install.sh ${CMAKE_BINARY_DIR}
                     $<TARGET_FILE:viewer_close_request>
                     ${CMAKE_CURRENT_BINARY_DIR}/packaging_install ${DRILL_PROGRAMS})
    set_tests_properties(packaging_deb packaging_deb_lint packaging_ldnsutils packaging_install
                         PROPERTIES TIMEOUT 600)
elseif(CMAKE_CROSSCOMPILING)
    add_test(NAME packaging_zip
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_zip.sh ${cpack_config}
                     ${PROJECT_VERSION} ${CMAKE_CURRENT_BINARY_DIR}/packaging_zip
                     ${DRILL_PROGRAMS})
    # Wine's prefix is set up once for all the Win32 tests (win32_tests.cmake).
    set_tests_properties(packaging_zip PROPERTIES TIMEOUT 600
                         ENVIRONMENT "${DRILL_WINE_ENVIRONMENT}" FIXTURES_REQUIRED wine_prefix)
    # The installer, made as the msi target makes it, runs in a Wine prefix of its own.
    add_test(NAME packaging_msi
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging_msi.sh ${DRILL_MSI_BUILD} --
                     ${PROJECT_VERSION} ${CMAKE_CURRENT_BINARY_DIR}/packaging_msi ${DRILL_PROGRAMS})
    set_tests_properties(packaging_msi PROPERTIES TIMEOUT 900
                         ENVIRONMENT "DRILL_PUBLISHER=${DRILL_PUBLISHER}")
    set_property(TEST packaging_msi APPEND PROPERTY ENVIRONMENT DRILL_HOMEPAGE=${DRILL_HOMEPAGE}
                 DRILL_CLASS_FOLDER_PROPERTY=${DRILL_CLASS_FOLDER_PROPERTY}
                 DRILL_CLASS_FOLDER_VALUE=${DRILL_CLASS_FOLDER_VALUE} DRILL_SETTINGS_KEY=${DRILL_SETTINGS_KEY}
                 DRILL_CLASS_OVERVIEW_NAME=${DRILL_CLASS_OVERVIEW_NAME}
                 DRILL_USER_FOLDER=${DRILL_USER_FOLDER} DRILLSTART_VERSION=${DRILLSTART_VERSION})
    foreach(test IN ITEMS packaging_zip packaging_msi)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT DRILL_VERSION=${DRILL_VERSION}
                     DRILLVIEW_VERSION=${DRILLVIEW_VERSION} DRILLREPORT_VERSION=${DRILLREPORT_VERSION}
                     "DRILL_COPYRIGHT_NOTICE=${DRILL_COPYRIGHT_NOTICE}")
    endforeach()
endif()

# The package's name as CPack gives it, the viewer's title for those that start it, the
# settings' file, the page's name and the icons' sizes.
foreach(test IN ITEMS packaging_deb packaging_deb_lint packaging_install packaging_zip packaging_msi)
    if(TEST ${test})
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
                     DRILL_PACKAGE_NAME=${CPACK_PACKAGE_NAME} "${DRILL_VIEWER_TITLE_ENVIRONMENT}"
                     DRILL_SETTINGS_PATH=${DRILL_SETTINGS_PATH} DRILL_PAGE_NAME=${DRILL_PAGE_NAME}
                     ${DRILL_ICON_SIZES_ENVIRONMENT})
    endif()
endforeach()
