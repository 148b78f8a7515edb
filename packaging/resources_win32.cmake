# Each Win32 program's resources, made from one template (program.rc.in): its icon as
# resource 1, and its version information with its version and the license's copyright notice.
function(drill_add_resources program icon description)
    string(TOUPPER "${program}_VERSION" version_variable)
    set(version "${${version_variable}}")
    string(REPLACE "." "," version_commas "${version}")
    set(rc ${CMAKE_BINARY_DIR}/packaging/${program}.rc)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.rc.in ${rc} @ONLY)
    target_sources(${program} PRIVATE ${rc})
    set_target_properties(${program} PROPERTIES DRILL_ICON ${icon}) # the installer's shortcuts
    set_source_files_properties(${rc} TARGET_DIRECTORY ${program} PROPERTIES OBJECT_DEPENDS
                                ${icon})
endfunction()

drill_add_resources(drill ${DRILL_ICON} Rechentraining)
if(TARGET drillview)
    drill_add_resources(drillview ${DRILLVIEW_ICON} Logfile)
endif()
if(TARGET drillreport)
    drill_add_resources(drillreport ${DRILLREPORT_ICON} Lernfortschritt)
endif()
drill_add_resources(drillstart ${DRILLSTART_ICON} Startprogramm)
