# The files a package or an install holds, sourced by the packaging tests.
# shellcheck shell=bash
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
        printf './share/icons/hicolor/%s/apps/drill.png\n' 16x16 32x32 48x48
        if [[ " $* " == *" drillview "* ]]; then
            printf './share/icons/hicolor/%s/apps/drillview.png\n' 32x32 48x48 128x128
        fi
        if [[ " $* " == *" drillreport "* ]]; then
            printf './share/icons/hicolor/%s/apps/drillreport.png\n' 16x16 32x32 48x48
        fi
        printf "./share/doc/${DRILL_PACKAGE_NAME:?}/%s\n" changelog.gz copyright
        echo "./${DRILL_SETTINGS_PATH:?}" # the class folder's setting, under / or the prefix
    } | sort
}
