# The versions README.md states: each package's name with the release's version, and each
# .exe's own version where the text names it; no version stands anywhere else.
# Usage: cmake -DREADME=FILE -DPROJECT_VERSION=V -DDRILL_VERSION=V -DDRILLVIEW_VERSION=V
#              -DDRILLREPORT_VERSION=V -DDRILLSTART_VERSION=V -P readme_versions.cmake
file(READ ${README} text)
set(failures "")

string(REGEX MATCHALL "drill-suite[-_][0-9]+\\.[0-9]+\\.[0-9]+" packages "${text}")
foreach(package IN LISTS packages)
    string(REGEX REPLACE "^drill-suite.(.*)$" "\\1" version "${package}")
    if(NOT version STREQUAL PROJECT_VERSION)
        list(APPEND failures "${package} is not of the release ${PROJECT_VERSION}")
    endif()
endforeach()

# "`drill.exe` 1.5.0.0" or "`drill.exe` (console program, version 1.5.0.0)".
set(program_version
    "(drill|drillview|drillreport|drillstart)\\.exe[^0-9\n]*([0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+)")
string(REGEX MATCHALL "${program_version}" programs "${text}")
foreach(mention IN LISTS programs)
    string(REGEX MATCH "${program_version}" mention "${mention}")
    string(TOUPPER "${CMAKE_MATCH_1}_VERSION" expected)
    if(NOT CMAKE_MATCH_2 STREQUAL "${${expected}}")
        list(APPEND failures "${CMAKE_MATCH_1}.exe ${CMAKE_MATCH_2} is not ${${expected}}")
    endif()
endforeach()

# Every version of three or four parts (a date's year has four digits) is one of those.
string(REGEX MATCHALL "[0-9.]*[0-9]" numbers "${text}")
list(FILTER numbers INCLUDE REGEX "^[0-9]+\\.[0-9]+\\.[0-9][0-9]?[0-9]?(\\.[0-9]+)?$")
list(LENGTH numbers stated)
list(LENGTH packages in_packages)
list(LENGTH programs in_programs)
math(EXPR placed "${in_packages} + ${in_programs}")
if(NOT stated EQUAL placed OR placed EQUAL 0)
    list(APPEND failures
         "${stated} versions, ${placed} of them beside a package's or a program's name: ${numbers}")
endif()

if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "${README}:\n${failures}")
endif()
