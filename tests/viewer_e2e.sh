#!/usr/bin/env bash
# drillview end to end, on an X server of its own: the window's title, client size, position,
# fixed size and icon, rows on a screenshot, the row each key selects, the close request and
# exit code 0, a name in code page 850 drawn as in UTF-8, a drill run appending while the
# viewer holds the log open, logs that are not regular files, a row too long for one X
# request, a row of zero-width characters, a close request during the fill of a huge log (of
# endless rows, and of one endless line), the bound on the rows it holds, memory running out,
# and the X server going away.
# Usage: viewer_e2e.sh CASE DRILLVIEW CLOSE-REQUEST-TOOL DRILL ARTEFACT-DIR
#   CASE: log | code-page-850 | empty-log | no-log | drill-while-open | no-display |
#         not-regular | long-row | zero-width-row | huge-log | sparse-log | out-of-memory |
#         lost-x-server
# Every wait is bounded; screenshots are kept in ARTEFACT-DIR.
set -euo pipefail

case_name=$1 drillview=$2 close_request=$3 drill=$4 artefacts=$5
title=${DRILL_VIEWER_TITLE:?the window title, from CTest}

source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/viewer_e2e_lib.sh"
make_work_folder
viewer_measure=()

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

# start_viewer [MEMORY-MB]: the viewer in the work folder, its memory limited when asked, run
# by the command in viewer_measure when there is one.
# AddressSanitizer reserves terabytes of address space, so a sanitized viewer is limited by
# its resident memory instead.
start_viewer() {
    local limit='' command=(timeout 60 "${viewer_measure[@]}" "$drillview")
    if [ -n "${1:-}" ] && [[ $(ldd "$drillview") == *libasan* ]]; then
        command=(env "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=$1" "${command[@]}")
    elif [ -n "${1:-}" ]; then
        limit=$(($1 * 1024))
    fi
    run_in_work "$limit" "${command[@]}"
    window=$(await_window "$title" 20 --onlyvisible) ||
        fail "no window: $(head -c 3000 "$work/viewer.out")"
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
    local icons # square, smallest first: the .ico's sizes backwards
    icons=$(xprop -id "$window" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \1).*/\1/p' | xargs)
    [ "$icons" = "$(xargs -n1 <<<"${DRILLVIEW_ICON_SIZES:?}" | tac | xargs)" ] || fail "icons: $icons"
}

# The viewer's end: exit code 0 and no output.
await_quiet_end() { # WHAT-ENDED-IT
    local status=0
    wait "$viewer_pid" || status=$?
    viewer_pid=''
    [ "$status" -eq 0 ] ||
        fail "exit code $status after $1 (124: still open): $(head -c 3000 "$work/viewer.out")"
    [ ! -s "$work/viewer.out" ] || fail "the viewer wrote: $(cat "$work/viewer.out")"
}

# The close button's request, and that end.
close_viewer() {
    "$close_request" "$window" || fail "close request not sent"
    await_quiet_end "the close request"
}

# The selected row as drawn, into BAND: the run of the selection colour down the list's left
# edge (the keyboard focus's dotted frame left out), as wide as the rows area. Prints the
# run's top and height inside the list; fails when no row is selected.
selected_band() { # SCREENSHOT BAND
    local top height
    read -r top height < <(convert "$1" -crop 1x466+18+17 +repage txt:- |
        awk '/#000080/ { if (top == "") top = NR - 2; n++ } END { print top, n }')
    [ -n "$top" ] && convert "$1" -crop "240x$height+20+$((17 + top))" +repage "$2" &&
        echo "$top $height"
}

# Presses keys, keeping them in pressed until a key's effect has been seen.
pressed=''
press() {
    pressed+=" $*"
    xdotool key --delay 20 "$@"
}
# A window that went away takes each shot 5 s to fail: the loops below look first.
expect_viewer_running() {
    kill -0 "$viewer_pid" 2>/dev/null || fail "the viewer ended after the keys$pressed"
}

# Presses the keys and shoots until two shots in a row agree, the first no longer the state
# before the keys; the selected row's band is then kept as the picture of ROW.
remember_row() { # ROW KEY...
    local row=$1 previous=''
    shift
    shoot "$work/before.png"
    press "$@"
    for _ in $(seq 50); do
        expect_viewer_running
        shoot "$work/shot.png"
        if ! same_picture "$work/before.png" "$work/shot.png" && [ -n "$previous" ] &&
            same_picture "$previous" "$work/shot.png"; then
            read -r band_top band_height < <(selected_band "$work/shot.png" "$work/row-$row.png")
            pressed=''
            return 0
        fi
        previous=$work/previous.png
        mv "$work/shot.png" "$previous"
        sleep 0.2
    done
    fail "keys $* changed nothing"
}
same_picture() { compare -metric AE "$1" "$2" null: 2>/dev/null; }

# Presses KEY and shoots until the selected row is ROW, at PLACE: the top of the list, its
# bottom, or anywhere (-). A key that changes nothing passes at once; the next one shows it.
expect_row() { # KEY ROW PLACE
    local top height
    press "$1"
    for _ in $(seq 50); do
        expect_viewer_running
        shoot "$work/shot.png" && read -r top height < <(selected_band "$work/shot.png" "$work/band.png") &&
            same_picture "$work/band.png" "$work/row-$2.png" && case $3 in
            top) [ "$top" -eq "$row_zero_top" ] ;;
            bottom) [ $((top + height)) -ge $((466 - 2)) ] ;;
            *) true ;;
            esac && pressed='' && return 0
        sleep 0.1
    done
    fail "$1 did not select row $2 ($3)"
}

# Home, End and the page keys, each with the row it selects; a page is the rows the list shows
# whole, and a page key moves one row less. The rows are first pictured as Down reaches them.
check_keys() { # LAST-ROW
    local last=$1 row reached step
    xdotool windowfocus --sync "$window" 2>/dev/null
    remember_row 0 Tab Down # TAB gives the list the focus; Down selects the first row
    row_zero_top=$band_top
    remember_row 1 Down
    step=$((466 / (band_top - row_zero_top) - 1))
    local table=(
        "Home 0 top" "Page_Up 0 top" "Page_Down $step -" "Page_Down $((2 * step)) bottom"
        "End $last bottom" "Page_Down $last bottom" "Page_Up $((last - step)) -"
        "Page_Up $((last - 2 * step)) -" "Page_Up 0 top"
    )
    reached=1
    for row in $(printf '%s\n' "${table[@]}" | cut -d' ' -f2 | sort -n -u); do
        [ "$row" -gt "$reached" ] || continue
        remember_row "$row" $(printf 'Down %.0s' $(seq $((row - reached))))
        reached=$row
    done
    for entry in "${table[@]}"; do
        # shellcheck disable=SC2086 # the entry's three words
        expect_row $entry
    done
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
    (cd "$work" && exec env -u DISPLAY timeout 60 "$drillview" >"$work/viewer.out" 2>&1) &
    viewer_pid=$!
    await_quiet_end "a start without a display"
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

    # With the window focused (there is no window manager to do it): the log's 63 rows.
    check_keys 62
    cp "$work/shot.png" "$artefacts/viewer-log-selected.png"
    # Escape does not close the window: the list still takes keys after it...
    press Escape
    expect_row End 62 bottom
    # ...and a close request right after an Escape still ends the viewer.
    press Escape
    close_viewer
    [ "$(md5sum <"$work/tovu")" = "$before" ] || fail "the viewer changed the log"
    ;;
code-page-850)
    # A name from a Win32 console, in code page 850, is drawn as the same name in UTF-8.
    printf 'Name:..................%s\n' $'J\x81rgen Gr\x94\xe1e' 'Jürgen Größe' >"$work/tovu"
    start_viewer
    screenshot_until "$artefacts/viewer-code-page-850.png" shows_rows || fail "no rows"
    xdotool windowfocus --sync "$window" 2>/dev/null
    remember_row 0 Tab Down
    remember_row 1 Down
    same_picture "$work/row-0.png" "$work/row-1.png" || fail "the names differ: $(
        cp "$work/row-0.png" "$artefacts/viewer-code-page-850-row.png" && echo see "$artefacts")"
    close_viewer
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
not-regular)
    # Only a regular file is read; anything else gives an empty list, never a hang: a FIFO
    # without a writer (opening it would wait for one), a FIFO with lines waiting in it, a
    # device, a socket and a folder. The memory limit stops an endless device being read.
    for kind in "${non_regular_kinds[@]}"; do
        make_non_regular_log "$kind" "$work/tovu"
        start_viewer 256
        screenshot_until "$artefacts/viewer-$kind.png" shows_empty_list ||
            fail "$kind: the list is not empty"
        is_uniform scrollbar_strip "$artefacts/viewer-$kind.png" || fail "$kind: a scroll bar"
        close_viewer
    done
    ;;
long-row)
    # Rows longer than one X request can carry, at the top and at the end: both drawn as far as
    # the list shows them (the right edge of the rows area holds text), the last one once End
    # has scrolled it into view and selected it.
    long=$(head -c 300000 /dev/zero | tr '\0' W)
    { echo "$long" && printf 'Zeile %d\n' $(seq 40) && echo "$long"; } >"$work/tovu"
    start_viewer
    right_edge() { convert "$1" -crop 20x12+240+19 +repage "${@:2}"; }
    shows_long_row() { ! is_uniform right_edge "$1"; }
    screenshot_until "$artefacts/viewer-long-row.png" shows_long_row || fail "the long row is blank"
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key Tab End
    selected_long_row() {
        read -r top height < <(selected_band "$1" "$work/band.png") &&
            [ $((top + height)) -ge $((466 - 2)) ] && ! is_uniform convert "$work/band.png" -crop 20x+220+0
    }
    screenshot_until "$artefacts/viewer-long-row-end.png" selected_long_row ||
        fail "the last long row is not drawn selected at the bottom"
    close_viewer
    ;;
zero-width-row)
    # A row of a million zero-width spaces takes no room, so no pixel width bounds it: only
    # its first bytes are measured and drawn, and the rows around it show as usual.
    { echo 'Erste Zeile' && yes $'\u200b' | head -n 1000000 | tr -d '\n' && echo &&
        printf 'Zeile %d\n' $(seq 40); } >"$work/tovu"
    start_viewer
    screenshot_until "$artefacts/viewer-zero-width-row.png" shows_rows || fail "no rows"
    close_viewer
    ;;
huge-log)
    # A log of a million million bytes, a line and then NUL bytes: endless empty rows; and a
    # line and then one line of 768 MB without an end. The window is there before the fill, and
    # a close request sent as it appears ends the viewer at once with 0, long before its memory
    # runs out: were events not taken during the fill, or within a line, the window would not
    # even show before the 1 GB the viewer is given were used up, or the line read to its end
    # in the 2 GB given for it.
    viewer_measure=(/usr/bin/time -f %M -o "$work/peak-kb")
    for endless in rows line; do
        if [ "$endless" = rows ]; then
            write_endless_log '\n' "$work/tovu"
            start_viewer 1024
            most_mb=512
        else
            { echo 'Erste Zeile' && head -c 768M /dev/zero | tr '\0' x; } >"$work/tovu"
            start_viewer 2048
            most_mb=768 # the whole line
        fi
        sent=$EPOCHREALTIME
        close_viewer
        took=$(awk -v from="$sent" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.2f", to - from }')
        peak_mb=$(($(<"$work/peak-kb") / 1024))
        echo "$endless: the close request during the fill took effect after $took s, at $peak_mb MB"
        awk -v took="$took" 'BEGIN { exit !(took < 5) }' || fail "$endless: the close took $took s"
        [ "$peak_mb" -lt "$most_mb" ] || fail "$endless: the fill went on to $peak_mb MB"
    done
    rm "$work/tovu"
    ;;
sparse-log)
    # The same log read to its end: the fill stops at the bound on the rows held, long before
    # the memory the viewer is given runs out, and shows the rows read until then.
    write_endless_log '\n' "$work/tovu"
    start_viewer 1024
    viewer=$(pgrep -P "$viewer_pid")
    await_fill_end "$viewer" || fail "the fill did not end: $(head -c 3000 "$work/viewer.out")"
    peak_mb=$(($(awk '/^VmHWM:/ { print $2 }' "/proc/$viewer/status") / 1024))
    echo "the fill stopped at $peak_mb MB"
    [ "$peak_mb" -lt 512 ] || fail "the fill went on to $peak_mb MB"
    screenshot_until "$artefacts/viewer-sparse-log.png" shows_rows || fail "no rows"
    close_viewer
    ;;
out-of-memory)
    # With 64 MB (the viewer itself needs some 15), the fill stops where the memory ends and
    # the window shows the rows read until then: of endless empty rows, and of one endless
    # line. Nothing aborts; the close request ends the viewer with 0.
    for endless in rows line; do
        if [ "$endless" = rows ]; then
            write_endless_log '\n' "$work/tovu"
        else
            { echo 'Erste Zeile' && head -c 200M /dev/zero | tr '\0' x; } >"$work/tovu"
        fi
        start_viewer 64
        await_fill_end "$(pgrep -P "$viewer_pid")" ||
            fail "the fill did not end ($endless): $(head -c 3000 "$work/viewer.out")"
        screenshot_until "$artefacts/viewer-out-of-memory-$endless.png" shows_rows ||
            fail "no rows when memory ran out ($endless)"
        close_viewer
    done
    ;;
lost-x-server)
    # The X server goes away under a running viewer: it ends quietly with 0, as it does
    # without a display.
    write_log
    start_viewer
    screenshot_until "$artefacts/viewer-lost-x-server.png" shows_rows || fail "no rows"
    stop_x_server
    await_quiet_end "the X server went away"
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
