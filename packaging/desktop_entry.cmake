# Writes a desktop entry at install time, when the prefix is known (cmake --install --prefix,
# or /usr inside the .deb), and installs it into share/applications.
#
# The entry runs its program in the user's home folder, or in the user's folder in a class
# folder, where the programs meet through the log "tovu". The Path key can name neither, so
# Exec runs
#   sh -c "<command>"
# whose command goes there first, where {} in the command stands for the program's path and
# {settings} for the file that names the class folder.
# Each layer of quoting is applied in turn: the shell's single quotes around the program's
# path, the entry's double-quoted argument, the entry's field codes (%), and last the escapes
# of a string value (\).

# The template's name is the program's: drill.desktop.in runs PROGRAM_DIR/drill.
function(drill_install_desktop_entry template program_dir settings datadir command)
    get_filename_component(program "${template}" NAME_WE)
    get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    get_filename_component(path "${program_dir}/${program}" ABSOLUTE BASE_DIR "${prefix}")
    if("${path}${settings}" MATCHES "[\n\r\t]")
        message(FATAL_ERROR "The install prefix holds a line break or a tab: ${path}")
    endif()
    string(REPLACE "'" "'\\''" path "${path}")
    string(REPLACE "'" "'\\''" settings "${settings}")
    string(REPLACE "{}" "'${path}'" script "${command}")
    string(REPLACE "{settings}" "'${settings}'" script "${script}")
    foreach(special "\\" "\"" "`" "$")
        string(REPLACE "${special}" "\\${special}" script "${script}")
    endforeach()
    set(DESKTOP_EXEC "sh -c \"${script}\"")
    string(REPLACE "%" "%%" DESKTOP_EXEC "${DESKTOP_EXEC}")
    string(REPLACE "\\" "\\\\" DESKTOP_EXEC "${DESKTOP_EXEC}")

    # Installs to other places may run at the same time (CPack, cmake --install): each
    # destination writes its entries in a folder of its own.
    string(MD5 destination "$ENV{DESTDIR}${prefix}")
    get_filename_component(name "${template}" NAME_WLE)
    set(entry "${DRILL_DESKTOP_ENTRY_DIR}/${destination}/${name}")
    configure_file("${template}" "${entry}" @ONLY)
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${datadir}/applications" TYPE FILE
         FILES "${entry}")
endfunction()
