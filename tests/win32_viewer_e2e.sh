#!/usr/bin/env bash
# drillview.exe end to end under Wine, on a Wine desktop of its own inside an X server of its
# own: the inspector, another Win32 program on that desktop, reports the window, its list and
# every row, moves the focus and asks the window to close; the viewer must end with exit code
# 0. Logs with each line terminator, none and an empty one, a drill.exe run appending while
# the viewer is open, things in the log's place that are not files, a close request during the
# fill of endless rows and of one endless line, and the bound on the rows held. A screenshot
# of each case is kept.
# Usage: win32_viewer_e2e.sh CASE DRILLVIEW_EXE INSPECTOR_EXE DRILL_EXE ARTEFACT_DIR
#   CASE: line-ends (LF, CR, CR LF, NUL and mixed, one after another) | no-log | empty-log |
#         many-rows | keys | drill-while-open | not-regular | huge-log | sparse-log
# (WINEPREFIX, Wine's quiet settings and the viewer's title come from CTest.) Every wait is bounded.
set -euo pipefail
case_name=$1
drillview=$(realpath "$2") inspector=$(realpath "$3") drill=$(realpath "$4") artefacts=$5
export LC_ALL=C # bytes are bytes for printf, grep and cmp
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
title=${DRILL_VIEWER_TITLE:?the window title, from CTest}
desktop="drillview-$case_name-$$"

source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/viewer_e2e_lib.sh"
make_work_folder
keep_going=1
give_up() {
    fail "$*"
    exit 1
}

# A desktop of 1024 by 768 pixels, so that the window's position is its own and not a window
# manager's. The inspector is started only once the window exists, so that it joins the
# desktop this explorer made rather than having Wine make another. Wine reserves most of the
# memory it needs at its start, so a limit (memory_limit, in KB) below 2 GB stops it starting.
memory_limit=''
start_viewer() {
    run_in_work "$memory_limit" \
        timeout --kill-after=10 120 wine explorer "/desktop=$desktop,1024x768" "$drillview"
    await_window "$title" 60 >/dev/null ||
        give_up "no window; Wine said: $(tail -c 2000 "$work/viewer.out")"
}

# The viewer's own Linux process: Wine starts it apart from the explorer, in the work folder.
viewer_process() {
    local pid
    for pid in $(pgrep -f -x "$drillview"); do
        [ "$(readlink "/proc/$pid/cwd")" != "$work" ] || echo "$pid"
    done
}

inspect() { # STEP...: the inspector's findings on stdout
    timeout --kill-after=10 120 wine "$inspector" "$desktop" "$@" ||
        fail "the inspector failed at one of: $*"
}

# The viewer's process is gone; its explorer follows a little later.
await_viewer_end() {
    local status=0
    wait "$viewer_pid" || status=$?
    viewer_pid=''
    [ "$status" -ne 124 ] && [ "$status" -ne 137 ] || fail "the desktop did not end"
}

# The rows as the list shows them, from the log's lines: a line of UTF-8 as it is, any other
# read as code page 850 (drill.exe's), both in the UTF-8 the inspector reports.
shown_rows() { # FILE
    local line
    while IFS= read -r line; do
        if iconv -f UTF-8 -t UTF-8 <<<"$line" >/dev/null 2>&1; then
            printf '%s\n' "$line"
        else
            iconv -f CP850 -t UTF-8 <<<"$line"
        fi
    done <"$1"
}

# What the inspector reports of every viewer: the window and the list as made, the list
# filled and unscrolled, nothing selected, the focus on the window itself as activating it
# leaves it (the list gets it only from TAB). The list hides a scroll bar it does not need, so
# WS_VSCROLL shows only when the rows overflow, and WS_HSCROLL never, as no horizontal extent
# is set.
expected_report() { # ROWS-FILE [WS_VSCROLL]
    printf '%s\n' "title: $title" 'class: WindowClass_0' 'style: WS_CAPTION|WS_SYSMENU' \
        'position: 387,100' 'client size: 300x500' 'list class: ListBox' \
        "list style: ${2:-0}" 'list edge: WS_EX_CLIENTEDGE' 'list rectangle: 15,15 270x470' \
        'list control id: 0' 'list font: DEFAULT_GUI_FONT' 'list selection: -1' 'focus: window' \
        'list top row: 0' "rows: $(wc -l <"$1")"
    shown_rows "$1" | sed 's/^/row: /'
}

# Compares the inspector's report, without the lines that only serve the script, with the
# expected one.
expect_report() { # REPORT EXPECTED
    grep -a -v -e '^searching$' -e '^client origin: ' "$1" >"$1.compared" || true
    expect_same "$2" "$1.compared" "the report"
}

# The rows as the log's lines, read by the shell: a line per row, terminators left out.
rows_of() { # LINE...
    [ $# -eq 0 ] || printf '%s\n' "$@"
}

# The list's inside on the screen, left of any scroll bar, from the client origin reported.
rows_area() { # SCREENSHOT REPORT
    local x y
    IFS=, read -r x y < <(sed -n 's/^client origin: //p' "$2")
    convert "$1" -crop "240x450+$((x + 20))+$((y + 20))" +repage -format '%k' info:
}
# The list draws after the viewer's first message: shoot until it shows what it should.
screenshot_until() { # FILE REPORT rows|empty
    local colours
    for _ in $(seq 50); do
        timeout 10 import -window root "$1" 2>/dev/null && colours=$(rows_area "$1" "$2") &&
            if [ "$3" = rows ]; then [ "$colours" -gt 1 ]; else [ "$colours" -eq 1 ]; fi &&
            return 0
        sleep 0.2
    done
    fail "the screenshot $1 does not show $3 in the list"
}

# A viewer on LOG-BYTES (or on none), reported, shot, closed by CLOSE-STEP; the rows expected
# are the remaining arguments.
view_and_close() { # LOG-BYTES|--no-log CLOSE-STEP [WS_VSCROLL] -- ROW...
    local log=$1 close=$2 vscroll=$3
    shift 4
    if [ "$log" != --no-log ]; then printf "$log" >"$work/tovu"; fi
    rows_of "$@" >"$work/rows"
    start_viewer
    inspect report >"$work/report"
    expected_report "$work/rows" "$vscroll" >"$work/expected"
    expect_report "$work/report" "$work/expected"
    screenshot_until "$artefacts/${shot:-$case_name}.png" "$work/report" \
        "$([ $# -gt 0 ] && echo rows || echo empty)"
    inspect "$close" >"$work/closed"
    grep -q -x 'exit code: 0' "$work/closed" || fail "after $close: $(cat "$work/closed")"
    await_viewer_end
}

mkdir -p "$artefacts"
start_x_server "$work" || give_up "no X server"
# Lines with an empty one and bytes above 127 in the middle, under each terminator; with CR LF
# also a name in code page 850 and in UTF-8, both shown as "Jürgen".
start='Startzeit:..............Mon Jan 01 10:00:00 2024'
name=$'Name:..................J\x94rg \x80\x81\x8d\x9d\xa0\xff'
jurgen=$'Name:..................J\x81rgen' jurgen_utf8='Name:..................Jürgen'
rule=$(printf '%087d' 0 | tr 0 -)
case $case_name in
line-ends)
    # One viewer after another on the same X server and Wine desktop, a log each, each named
    # in its failures and its screenshot.
    log_named() { shot=$1 case_name="line-ends: $1"; }
    log_named crlf
    view_and_close "$start\r\n\r\n$name\r\n$jurgen\r\n$jurgen_utf8\r\n$rule\r\n" close '' -- \
        "$start" '' "$name" "$jurgen" "$jurgen_utf8" "$rule"
    log_named lf
    view_and_close "$start\n\n$name\n$rule\n" close-message '' -- "$start" '' "$name" "$rule"
    log_named cr
    view_and_close "$start\r\r$name\r$rule\r" close '' -- "$start" '' "$name" "$rule"
    log_named nul
    view_and_close "$start\0\0$name\0$rule" close '' -- "$start" '' "$name" "$rule"
    # LF CR is two terminators, CR LF one; CR NUL ends an empty line; the last line has none.
    log_named mixed
    view_and_close 'P\r\nQ\n\rR\r\0S\0T' close '' -- P Q '' R '' S T
    ;;
no-log)
    view_and_close --no-log close '' --
    [ ! -e "$work/tovu" ] || fail "the viewer created the log"
    ;;
empty-log) view_and_close '' close '' -- ;;
many-rows)
    # More rows than fit, and a row far wider than the list: a vertical scroll bar only.
    wide=$(printf 'W%.0s' $(seq 400))
    lines=("$wide")
    for i in $(seq 200); do lines+=("Zeile $i"); done
    view_and_close "$(printf '%s\\r\\n' "${lines[@]}")" close WS_VSCROLL -- "${lines[@]}"
    ;;
not-regular)
    # Only a regular file is read: anything else gives an empty list and never a hang, Wine's
    # own opening included (it opens a FIFO without waiting for a writer). The memory limit
    # stops an endless device being read.
    memory_limit=$((2200 * 1024))
    for kind in "${non_regular_kinds[@]}"; do
        make_non_regular_log "$kind" "$work/tovu"
        view_and_close --no-log close '' --
    done
    ;;
huge-log)
    # Endless empty rows, and one line of 768 MB without an end, and a close request as the
    # window appears, during the fill: the viewer ends with 0 long before its memory would run
    # out (were events not taken during the fill, or within a line, only then), having taken
    # little of it.
    memory_limit=$((2600 * 1024))
    for endless in rows line; do
        if [ "$endless" = rows ]; then
            write_endless_log '\r\n' "$work/tovu"
            most_mb=1024
        else
            { printf 'Erste Zeile\r\n' && head -c 768M /dev/zero | tr '\0' x; } >"$work/tovu"
            most_mb=512 # the line grown to 512 MB wants 1 GB more, which Wine's limit refuses
        fi
        start_viewer
        inspect time-close >"$work/closed"
        echo "$endless: $(tr '\n' ' ' <"$work/closed")"
        grep -q -x 'exit code: 0' "$work/closed" ||
            fail "$endless: after the close: $(cat "$work/closed")"
        peak=$(sed -n 's/^peak memory MB: //p' "$work/closed")
        [ "${peak:-9999}" -lt "$most_mb" ] || fail "$endless: the fill went on to $peak MB"
        await_viewer_end
    done
    rm "$work/tovu"
    ;;
sparse-log)
    # Endless empty rows: the fill stops at the bound of 10 million rows held, where the memory
    # given would end at some 16 million or more, and the rows read until then stay, the first among
    # them; the close request ends the viewer with 0. Wine's start in a prefix just made, with
    # other tests beside it, takes more of the memory than later ones.
    memory_limit=$((2600 * 1024))
    write_endless_log '\r\n' "$work/tovu"
    start_viewer
    await_fill_end "$(viewer_process)" || fail "the fill did not end"
    inspect count close >"$work/report"
    [ "$(sed -n 's/^rows: //p' "$work/report")" -eq 10000000 ] &&
        grep -q -x 'first row: Erste Zeile' "$work/report" &&
        grep -q -x 'exit code: 0' "$work/report" || fail "$(cat "$work/report")"
    await_viewer_end
    ;;
keys)
    # Shift+TAB with no tab stop focused goes to the last one, TAB from the last to the
    # first: the list both times. WM_QUIT does not end the viewer; Alt+F4 does.
    printf 'P\r\nQ\r\n' >"$work/tovu"
    start_viewer
    inspect backtab tab quit alt-f4 >"$work/report"
    printf '%s\n' 'focus after Shift+TAB: list' 'focus after TAB: list' \
        'after WM_QUIT: running' 'exit code: 0' >"$work/expected"
    expect_report "$work/report" "$work/expected"
    await_viewer_end
    ;;
drill-while-open)
    # A log drill.exe wrote, shown row by row; then drill.exe appends while the viewer holds
    # the log open. Its records must land, and the list stays as it was read at start-up.
    printf 'J\x81rgen\r\n' >"$work/input" # "Jürgen" as a German console hands it on
    (cd "$work" && timeout --kill-after=10 60 env -u DISPLAY wine "$drill" <input >drill.out) ||
        give_up "drill.exe could not write the first log"
    cp "$work/tovu" "$work/tovu.before"
    tr -d '\r' <"$work/tovu" >"$work/rows"
    start_viewer
    inspect report >"$work/report"
    expected_report "$work/rows" >"$work/expected"
    expect_report "$work/report" "$work/expected"
    screenshot_until "$artefacts/$case_name.png" "$work/report" rows

    printf 'Anna\r\n1 1\r\n3\r\n12345\r\n' >"$work/input"
    (cd "$work" && timeout --kill-after=10 60 env -u DISPLAY wine "$drill" <input >drill.out) ||
        fail "drill.exe failed while the viewer was open"
    before=$(stat -c %s "$work/tovu.before")
    cmp -s -n "$before" "$work/tovu.before" "$work/tovu" || fail "the old records changed"
    tail -c +$((before + 1)) "$work/tovu" | tr -d '\r' >"$work/appended"
    [ "$(wc -l <"$work/appended")" -eq 10 ] &&
        grep -q '^Startzeit:\.*' "$work/appended" &&
        grep -q -x 'Name:\.*Anna' "$work/appended" && grep -q -x -- "$rule" "$work/appended" ||
        fail "drill.exe's start and series records are not in the log: $(cat -v "$work/appended")"
    inspect report close >"$work/report"
    { cat "$work/expected" && echo 'exit code: 0'; } >"$work/expected.after"
    expect_report "$work/report" "$work/expected.after"
    await_viewer_end
    ;;
*)
    echo "unknown case '$case_name'" >&2
    exit 2
    ;;
esac
[ ! -s "$work/viewer.out" ] || fail "the viewer's desktop wrote: $(head -c 2000 "$work/viewer.out")"

[ "$failures" -eq 0 ] || exit 1
echo "PASS ($case_name)"
