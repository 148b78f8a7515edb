# Makes the Windows installer of one version from the configured drill-suite.wxs:
#   cmake -DWIXL=wixl -DMSIBUILD=msibuild -DSTRIP=strip -DWXS=drill-suite.wxs
#         -DUPGRADE_CODE=GUID -DFILES=a|b -DVERSIONS=a.exe=1.0.0.0|... -DPRODUCT_NAME=...
#         -DPUBLISHER=... -DCLASS_COMPONENT=... -DCLASS_PROPERTY=...
#         -DSIGN_NAME=... -DSIGN_URL=... [-DSIGN_CERTIFICATE=... -DSIGN_KEY=...]
#         -P msi_build.cmake VERSION WORK_DIRECTORY OUTPUT
# The files are staged in WORK_DIRECTORY, the programs stripped (and then signed), since wixl
# finds them only by names relative to the folder it runs in. What wixl cannot say is set in
# the package's tables afterwards, and the package signed last.
include(${CMAKE_CURRENT_LIST_DIR}/sign_file.cmake)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(variable IN ITEMS output work version)
    set(${variable} "${CMAKE_ARGV${last}}")
    math(EXPR last "${last} - 1")
endforeach()
string(REPLACE "|" ";" FILES "${FILES}")
string(REPLACE "|" ";" VERSIONS "${VERSIONS}")
if(NOT version MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$" OR NOT work OR NOT output)
    message(FATAL_ERROR "usage: cmake -D... -P msi_build.cmake VERSION WORK_DIRECTORY OUTPUT")
endif()
if(NOT WIXL OR NOT MSIBUILD)
    message(FATAL_ERROR "wixl or msibuild is missing (Debian packages wixl, msitools)")
endif()

file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    if(name MATCHES "\\.exe$")
        execute_process(COMMAND ${STRIP} -o ${work}/${name} ${file} COMMAND_ERROR_IS_FATAL ANY)
        drill_sign(${work}/${name})
    else()
        file(COPY_FILE ${file} ${work}/${name})
    endif()
endforeach()

# Every build is a product of its own: Windows refuses to install a rebuilt package under the
# product code of the one installed (error 1638), and the package code names one package file.
string(TIMESTAMP moment "%Y%m%d%H%M%S%f" UTC)
string(RANDOM LENGTH 16 chance)
string(UUID product_code NAMESPACE ${UPGRADE_CODE} NAME "${version} ${moment} ${chance}" TYPE SHA1
       UPPER)
string(UUID package_code NAMESPACE ${product_code} NAME package TYPE SHA1 UPPER)
get_filename_component(output ${output} ABSOLUTE)
execute_process(COMMAND ${WIXL} -a x64 -D Version=${version} -D ProductCode=${product_code}
                        -o ${output} ${WXS}
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)

# The tables as Windows Installer wants them: each program's version, so that its files are
# versioned ones; the rebuild of an installed version an upgrade, as older ones are; the class
# folder's component only with a class folder, which is passed on to the installing service;
# the summary's language that of the product.
set(queries "")
foreach(pair IN LISTS VERSIONS)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 file_version)
    list(APPEND queries -q "UPDATE `File` SET `Version` = '${file_version}' WHERE `File` = '${name}'")
endforeach()
# Attributes, a key of its row: the features migrated (1), as wixl has it, and the version
# itself included (512).
list(APPEND queries
    -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
    -q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{${UPGRADE_CODE}}', '${version}', 513, 'WIX_UPGRADE_DETECTED')"
    -q "UPDATE `Component` SET `Condition` = '${CLASS_PROPERTY}' WHERE `Component` = '${CLASS_COMPONENT}'"
    -q "UPDATE `Property` SET `Value` = '${CLASS_PROPERTY}\;WIX_DOWNGRADE_DETECTED\;WIX_UPGRADE_DETECTED' WHERE `Property` = 'SecureCustomProperties'")
execute_process(COMMAND ${MSIBUILD} ${output} ${queries}
                        -s "${PRODUCT_NAME} ${version}" "${PUBLISHER}" "x64;1031" "{${package_code}}"
                COMMAND_ERROR_IS_FATAL ANY)
drill_sign(${output})
