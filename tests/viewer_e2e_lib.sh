# What the viewer's end-to-end tests and benchmarks share, sourced by them: logs, things in the
# log's place that are not logs, a scratch folder, the viewer's start and its window, and a
# wait for the end of the fill.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh" # the records

# viewer_title: the window's title, read from drillview/window_layout.h. For the scripts run by
# hand, which need no configured build; CTest hands its tests the title CMake read there.
viewer_title() {
    local layout
    layout=$(dirname "${BASH_SOURCE[0]}")/../drillview/window_layout.h
    sed -n 's/.* title = "\(.*\)";$/\1/p' "$layout"
}

# write_drill_log LINES LINE-END FILE: drill's records, start, name entry and series, over and
# over, LINES lines ending in LINE-END (an awk string: "\n" or "\r\n").
write_drill_log() {
    local records
    records=$(start_records 'Mon Jan 01 10:00:00 2024' 'Mon Jan 01 10:00:05 2024'
        series_record Anna 3 100 2 20 3 'Mon Jan 01 10:09:00 2024')
    awk -v lines="$1" -v end="$2" -v records="$records" 'BEGIN {
        split(records, record, "\n")
        for (i = 0; i < lines; i++) printf "%s%s", record[i % 10 + 1], end
    }' >"$3"
}

# write_endless_log LINE-END FILE: the line "Erste Zeile", then a million million NUL bytes,
# which the file system keeps as a hole: endless empty rows that take no room on the disk.
write_endless_log() {
    printf "Erste Zeile$1" >"$2"
    truncate -s 1T "$2"
}

# make_non_regular_log KIND PATH: something in the log's place that is not a regular file. A
# fifo-with-lines is held open by a process whose id goes to fifo_holder, to be killed by the
# caller, so that the two lines written to it wait there for a reader.
non_regular_kinds=(fifo fifo-with-lines device socket folder)
fifo_holder=''
make_non_regular_log() {
    [ -z "$fifo_holder" ] || kill "$fifo_holder" 2>/dev/null || true
    fifo_holder=''
    rm -rf "$2"
    case $1 in
    fifo) mkfifo "$2" ;;
    fifo-with-lines)
        mkfifo "$2"
        sleep 120 <>"$2" >/dev/null 2>&1 &
        fifo_holder=$!
        printf 'P\r\nQ\r\n' >"$2"
        ;;
    device) ln -s /dev/zero "$2" ;;
    socket) perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1)
        or die "$!\n"' "$2" ;;
    folder) mkdir "$2" ;;
    esac
}

# make_work_folder: a scratch folder in work, and an EXIT trap that ends what a case left
# running (the FIFO's holder, the viewer and the X server of x_display.sh) and removes it.
make_work_folder() {
    work=$(mktemp -d)
    trap '[ -z "$fifo_holder" ] || kill "$fifo_holder"; stop_viewer_and_x_server; rm -rf "$work"' EXIT
}

# run_in_work LIMIT-KB COMMAND...: the viewer's command in the background in the work folder,
# its output in work/viewer.out, its address space limited to LIMIT-KB unless that is empty;
# its id in viewer_pid.
run_in_work() {
    local limit=$1
    shift
    (
        cd "$work"
        [ -z "$limit" ] || ulimit -v "$limit"
        exec "$@" >"$work/viewer.out" 2>&1
    ) &
    viewer_pid=$!
}

# await_window TITLE SECONDS [SEARCH-OPTION...]: prints the id of the first window titled
# TITLE once there is one, for at most SECONDS while the process viewer_pid lives; else says
# why on stderr and fails. Each search is a try of its own, as a window that goes away while
# xdotool walks the tree (BadWindow) ends xdotool, and the wait must go on.
await_window() {
    local title=$1 seconds=$2 said
    local deadline=$((SECONDS + seconds))
    shift 2
    while :; do
        said=$(timeout 10 xdotool search "$@" --name "^${title//./\\.}\$" 2>&1) &&
            grep -m 1 -x '[0-9]\+' <<<"$said" && return 0
        if ! kill -0 "$viewer_pid" 2>/dev/null; then
            echo "the program ended before a window titled '$title' came" >&2
            return 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "no window titled '$title' after $seconds s; xdotool said: $said" >&2
            return 1
        fi
        sleep 0.1
    done
}

# await_fill_end PID: the fill is over once the viewer's process has used no processor time for
# a second. Fails when the process ends first, or when it is still busy after two minutes.
await_fill_end() {
    local ticks last='' still=0
    for _ in $(seq 240); do
        ticks=$(awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null) || return 1
        if [ "$ticks" = "$last" ]; then
            still=$((still + 1))
            [ "$still" -lt 2 ] || return 0
        else
            still=0
        fi
        last=$ticks
        sleep 0.5
    done
    return 1
}
