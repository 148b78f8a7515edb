# Makes the Windows installer of one version from the configured drill-suite.wxs:
#   cmake -DWIXL=wixl -DSTRIP=strip -DWXS=drill-suite.wxs -DUPGRADE_CODE=GUID -DFILES=a|b
#         -P msi_build.cmake VERSION WORK_DIRECTORY OUTPUT
# The files are staged in WORK_DIRECTORY, the programs stripped, since wixl finds them only
# by names relative to the folder it runs in.
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(variable IN ITEMS output work version)
    set(${variable} "${CMAKE_ARGV${last}}")
    math(EXPR last "${last} - 1")
endforeach()
string(REPLACE "|" ";" FILES "${FILES}")
if(NOT version MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$" OR NOT work OR NOT output)
    message(FATAL_ERROR "usage: cmake -D... -P msi_build.cmake VERSION WORK_DIRECTORY OUTPUT")
endif()
if(NOT WIXL)
    message(FATAL_ERROR "wixl is missing (Debian package wixl)")
endif()

file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    if(name MATCHES "\\.exe$")
        execute_process(COMMAND ${STRIP} -o ${work}/${name} ${file} COMMAND_ERROR_IS_FATAL ANY)
    else()
        file(COPY_FILE ${file} ${work}/${name})
    endif()
endforeach()

# The product code is the version's own: the same for every build of one version.
string(UUID product_code NAMESPACE ${UPGRADE_CODE} NAME ${version} TYPE SHA1 UPPER)
get_filename_component(output ${output} ABSOLUTE)
execute_process(COMMAND ${WIXL} -a x64 -D Version=${version} -D ProductCode=${product_code}
                        -o ${output} ${WXS}
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
