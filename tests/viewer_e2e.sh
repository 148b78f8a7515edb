#!/usr/bin/env bash
# drillview end to end, on an X server of its own: the window's title, client size, position,
# fixed size and icon, rows on a screenshot, keys, the close request and exit code 0, and a
# drill run appending while the viewer holds the log open.
# Usage: viewer_e2e.sh CASE DRILLVIEW CLOSE-REQUEST-TOOL DRILL ARTEFACT-DIR
#   CASE: log | empty-log | no-log | drill-while-open | no-display
# Every wait is bounded; screenshots are kept in ARTEFACT-DIR.
set -euo pipefail

case_name=$1 drillview=$2 close_request=$3 drill=$4 artefacts=$5
title='Logfile by .::Zandrix::.'

source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
work=$(mktemp -d)
trap 'stop_viewer_and_x_server; rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

# The list's inside, left of where the scroll bar appears, and the scroll bar's strip.
rows_area() { convert "$1" -crop 240x450+20+20 +repage "${@:2}"; }
scrollbar_strip() { convert "$1" -crop 12x400+270+40 +repage "${@:2}"; }
colours() { "$@" -format '%k' info:; }
is_uniform() { [ "$(colours "$@")" = 1 ]; }

# A screenshot of the viewer's window; import waits for ever on a window that went away.
shoot() { timeout 5 import -window "$window" "$1"; }

# Takes screenshots until the predicate holds for one (the window draws after it maps).
screenshot_until() {
    local file=$1 predicate=$2
    for _ in $(seq 100); do
        kill -0 "$viewer_pid" 2>/dev/null || fail "the viewer ended before '$predicate'"
        shoot "$file" 2>/dev/null && "$predicate" "$file" && return 0
        sleep 0.1
    done
    return 1
}
shows_rows() { ! is_uniform rows_area "$1"; }
# Drawn and empty: the list's inside all one light colour.
shows_empty_list() {
    is_uniform rows_area "$1" && [ "$(convert "$1" -crop 1x1+100+100 -format '%[fx:mean]' info:)" != 0 ]
}

start_viewer() {
    (cd "$work" && exec timeout 60 "$drillview" >"$work/viewer.out" 2>&1) &
    viewer_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" |
        head -n 1) || fail "no window titled '$title'"
}

check_window() {
    xprop -id "$window" WM_NAME | grep -qxF "WM_NAME(STRING) = \"$title\"" ||
        fail "title: $(xprop -id "$window" WM_NAME)"
    local info
    info=$(xwininfo -id "$window")
    for expected in 'Width: 300' 'Height: 500' 'Absolute upper-left X:  387' \
        'Absolute upper-left Y:  100'; do
        grep -qF "$expected" <<<"$info" || fail "geometry, wanted '$expected': $info"
    done
    local hints
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    grep -qF 'minimum size: 300 by 500' <<<"$hints" &&
        grep -qF 'maximum size: 300 by 500' <<<"$hints" || fail "resizable: $hints"
    local icons
    icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    [ "$icons" = 'Icon (32 x 32) Icon (48 x 48) Icon (128 x 128) ' ] || fail "icons: $icons"
}

# The close button's request: the viewer ends, with exit code 0 and no output.
close_viewer() {
    "$close_request" "$window" || fail "close request not sent"
    local status=0
    wait "$viewer_pid" || status=$?
    viewer_pid=''
    [ "$status" -eq 0 ] ||
        fail "exit code $status after the close request (124: still open): $(head -c 3000 "$work/viewer.out")"
    [ ! -s "$work/viewer.out" ] || fail "the viewer wrote: $(cat "$work/viewer.out")"
}

write_log() {
    {
        printf 'Startzeit:..............Mon Jan 01 10:00:00 2024\r\n'
        printf '@C1@b shown as typed\r\n'
        for i in $(seq 60); do printf 'Zeile %d: %s\n' "$i" "$(printf '%0.s=' $(seq 80))"; done
        printf 'J\xf6rg\r'
    } >"$work/tovu"
}

mkdir -p "$artefacts"
if [ "$case_name" = no-display ]; then
    # No window can be made: nothing is shown or said, and the exit code is still 0.
    write_log
    status=0
    (cd "$work" && env -u DISPLAY timeout 60 "$drillview" >"$work/viewer.out" 2>&1) || status=$?
    [ "$status" -eq 0 ] || fail "exit code $status without a display"
    [ ! -s "$work/viewer.out" ] || fail "the viewer wrote: $(cat "$work/viewer.out")"
    echo "PASS ($case_name)"
    exit 0
fi
start_x_server "$work" || fail "no X server"
case $case_name in
log)
    write_log
    before=$(md5sum <"$work/tovu")
    start_viewer
    check_window
    screenshot_until "$artefacts/viewer-log.png" shows_rows || fail "no rows on the screenshot"
    ! is_uniform scrollbar_strip "$artefacts/viewer-log.png" || fail "no vertical scroll bar"

    # With the window focused (there is no window manager to do it), TAB gives the list the
    # focus and Down selects; Escape must not close the window, so the Down after it still
    # moves the selection.
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key Tab Down 2>/dev/null
    changed_from() { ! compare -metric AE "$artefacts/viewer-log.png" "$1" null: 2>/dev/null; }
    screenshot_until "$artefacts/viewer-log-selected.png" changed_from ||
        fail "TAB and Down did not select a row"
    xdotool key Escape Down 2>/dev/null
    moved_on() { ! compare -metric AE "$artefacts/viewer-log-selected.png" "$1" null: 2>/dev/null; }
    screenshot_until "$artefacts/viewer-log-after-escape.png" moved_on ||
        fail "the list took no keys after Escape"
    kill -0 "$viewer_pid" || fail "Escape ended the viewer"
    close_viewer
    [ "$(md5sum <"$work/tovu")" = "$before" ] || fail "the viewer changed the log"
    ;;
empty-log | no-log)
    [ "$case_name" = empty-log ] && : >"$work/tovu"
    start_viewer
    check_window
    screenshot_until "$artefacts/viewer-$case_name.png" shows_empty_list ||
        fail "the list is not empty"
    is_uniform scrollbar_strip "$artefacts/viewer-$case_name.png" || fail "a scroll bar"
    close_viewer
    if [ "$case_name" = no-log ]; then
        [ ! -e "$work/tovu" ] || fail "the viewer created the log"
    fi
    ;;
drill-while-open)
    write_log
    lines_before=$(wc -l <"$work/tovu")
    start_viewer
    screenshot_until "$artefacts/viewer-before-drill.png" shows_rows || fail "no rows"
    (cd "$work" && printf 'Anna\n1 1\n3\n12345\n' | timeout 30 "$drill" >"$work/drill.out") ||
        fail "drill failed while the viewer was open"
    grep -q '^Startzeit:\.*' "$work/tovu" && grep -qx 'Name:\.*Anna' "$work/tovu" &&
        grep -qx -- '-\{87\}' "$work/tovu" || fail "drill's records are missing: $(cat "$work/tovu")"
    [ "$(wc -l <"$work/tovu")" -eq $((lines_before + 10)) ] ||
        fail "expected 10 more lines: $(tail -n 12 "$work/tovu")"
    # The list was read once at start-up and stays as it was.
    shoot "$artefacts/viewer-after-drill.png"
    compare -metric AE "$artefacts/viewer-before-drill.png" \
        "$artefacts/viewer-after-drill.png" null: 2>/dev/null || fail "the list changed"
    close_viewer
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
