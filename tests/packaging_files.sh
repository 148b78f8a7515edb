# The files a package or an install holds, sourced by the packaging tests.
# shellcheck shell=bash
# The hicolor theme's files of icon NAME at SIZES ("128 48 32", as its .ico holds them).
icons() { # NAME SIZES
    local size
    for size in $2; do
        echo "./share/icons/hicolor/${size}x${size}/apps/$1.png"
    done
}

# expected_files PROGRAM_DIR PROGRAM...: the sorted paths under the prefix (./PROGRAM_DIR/drill,
# ./share/...) for the programs built.
expected_files() {
    local program_dir=$1 program
    shift
    {
        for program in "$@"; do
            echo "./$program_dir/$program"
            echo "./share/applications/$program.desktop"
            echo "./share/metainfo/org.example.$program.metainfo.xml"
            echo "./share/man/man6/$program.6.gz"
            echo "./share/man/de/man6/$program.6.gz"
        done
        icons drill "${DRILL_ICON_SIZES:?from CTest}"
        if [[ " $* " == *" drillview "* ]]; then
            icons drillview "${DRILLVIEW_ICON_SIZES:?from CTest}"
        fi
        if [[ " $* " == *" drillreport "* ]]; then
            icons drillreport "${DRILLREPORT_ICON_SIZES:?from CTest}"
        fi
        printf "./share/doc/${DRILL_PACKAGE_NAME:?}/%s\n" changelog.gz copyright
        echo "./${DRILL_SETTINGS_PATH:?}" # the class folder's setting, under / or the prefix
    } | sort
}
