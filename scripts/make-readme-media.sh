#!/usr/bin/env bash
# Makes the README's transcript and pictures from the real programs: drill sessions through a
# pseudo-terminal, answered from the exercises they show (docs/drill-session.txt is the first
# of them, docs/drill-session.png its series, the drill log of all of them is what the viewers
# show), drillview on an X server of its own (docs/viewer-linux.png) and drillview.exe under
# Wine there (docs/viewer-wine.png), and drillreport's table and page of a generated class's
# log (docs/report-table.txt, and docs/report-page.png drawn by a headless browser).
# The texts also replace the README's copies between their markers.
# Usage: scripts/make-readme-media.sh [NATIVE_BUILD [WIN32_BUILD]]
#   (defaults build/native and build/win32; without drillview.exe the Wine picture is kept)
# Needs: script, Xvfb, xdotool, ImageMagick, Wine, chromium (scripts/install-deps.sh all).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "${1:-$source_dir/build/native}")
win32=$(realpath -m "${2:-$source_dir/build/win32}")
drill=$native/drill/drill
drillview=$native/drillview/drillview
drillreport=$native/drillreport/drillreport
drillview_exe=$win32/drillview/drillview.exe
docs=$source_dir/docs
export LC_ALL=C.UTF-8

for program in "$drill" "$drillview" "$drillreport"; do
    [ -x "$program" ] || {
        echo "$program is not built: cmake --preset native && cmake --build --preset native" >&2
        exit 1
    }
done

source "$source_dir/tests/x_display.sh"
source "$source_dir/tests/viewer_e2e_lib.sh" # the window's title
title=$(viewer_title)
work=$(mktemp -d)
viewer_pid='' drill_pid=''
cleanup() {
    [ -z "$drill_pid" ] || kill "$drill_pid" 2>/dev/null || true
    [ -z "$viewer_pid" ] || kill "$viewer_pid" 2>/dev/null || true
    if [ -d "$work/wine-prefix" ]; then
        WINEPREFIX=$work/wine-prefix timeout 30 wineserver --kill 2>/dev/null || true
    fi
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "make-readme-media: $*" >&2
    exit 1
}
mkdir -p "$work/log" "$docs"

# --- drill sessions in a pseudo-terminal, all in one folder and so into one log ---

terminal='' # what the current session's terminal shows
count_in_terminal() { grep -a -o -F -- "$1" "$terminal" | wc -l; }
# Waits until TEXT has been shown COUNT times in this session; bounded.
wait_for() { # TEXT COUNT
    for _ in $(seq 300); do
        [ "$(count_in_terminal "$1")" -ge "$2" ] && return 0
        kill -0 "$drill_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "drill did not show '$1' ($2 times): $(tail -c 500 "$terminal")"
}
type_keys() { printf '%s' "$1" >&3; }

start_session() { # NAME
    terminal=$work/terminal-$1
    : >"$terminal"
    mkfifo "$work/keys-$1"
    (cd "$work/log" && exec timeout 300 script -qfec "$(printf '%q' "$drill")" /dev/null \
        <"$work/keys-$1" >"$terminal" 2>&1) &
    drill_pid=$!
    exec 3>"$work/keys-$1"
    kinds=0 exercises=0 pauses=0
    wait_for 'Name: ' 1
    type_keys "$1"$'\r'
}

# The exercise on show, answered right (r) or off by one (w).
answer() { # r|w
    local shown first operation second result
    shown=$(tail -c 300 "$terminal" | tr -d '\r' | tail -n 1)
    if [[ $shown =~ Wurzel\ aus\ ([0-9]+)\ =\ $ ]]; then
        result=0
        while (((result + 1) * (result + 1) <= BASH_REMATCH[1])); do result=$((result + 1)); done
    elif [[ $shown =~ :\ +([0-9]+)²\ =\ $ ]]; then
        result=$((BASH_REMATCH[1] * BASH_REMATCH[1]))
    elif [[ $shown =~ :\ +([0-9]+)\ (.+)\ ([0-9]+)\ =\ $ ]]; then
        first=${BASH_REMATCH[1]} operation=${BASH_REMATCH[2]} second=${BASH_REMATCH[3]}
        case $operation in
        +) result=$((first + second)) ;;
        -) result=$((first - second)) ;;
        ·) result=$((first * second)) ;;
        :) result=$((first / second)) ;;
        *) fail "unknown operation in '$shown'" ;;
        esac
    else
        fail "no exercise in '$shown'"
    fi
    [ "$1" = r ] || result=$((result + 1))
    type_keys "$result"$'\r'
}

# A series of exercises: kind, level, then each answer right or wrong; 12345 ends it, and a key
# ends the report's pause. The drill draws from a generator seeded by the clock's seconds, so
# a learner who takes a second per exercise sees a new one each time.
series() { # KIND LEVEL r|w...
    kinds=$((kinds + 1))
    wait_for 'Artnummer: ' "$kinds"
    type_keys "$1"$'\r'
    wait_for 'Stufe: ' "$kinds"
    type_keys "$2"$'\r'
    shift 2
    for judgement in "$@" end; do
        exercises=$((exercises + 1))
        wait_for ' = ' "$exercises"
        sleep 1.1
        if [ "$judgement" = end ]; then
            type_keys $'12345\r'
        else
            answer "$judgement"
        fi
    done
    pauses=$((pauses + 1))
    wait_for 'Taste . . .' "$pauses"
    type_keys x
}

# Ctrl+D at the menu: the end of input ends the drill.
end_session() {
    wait_for 'Artnummer: ' $((kinds + 1))
    type_keys $'\x04'
    exec 3>&-
    wait "$drill_pid" || fail "drill ended with $?"
    drill_pid=''
}

echo "drill sessions (a second per answer) ..."
start_session Anna
series 3 1 r r w r
end_session
# What the learner saw, without the terminal's carriage returns.
tr -d '\r' <"$terminal" >"$docs/drill-session.txt"
# Its series as a terminal shows it, for the drill's screenshot in software centres.
series_text=$(awk '/^Stufe:/,/^Drücken/' "$docs/drill-session.txt")
convert -background '#1e1e1e' -fill '#e5e5e5' -font DejaVu-Sans-Mono -pointsize 16 \
    label:"${series_text//%/%%}" -bordercolor '#1e1e1e' -border 20 -depth 8 -strip \
    "$docs/drill-session.png"

start_session Ben
series 1 3 r r r r
series 6 2 r w r
end_session
start_session Cem
series 5 1 r r
end_session

# The README's copy of a text, between its markers <!-- NAME --> and <!-- /NAME -->.
copy_into_readme() { # NAME FILE
    grep -q "^<!-- $1 -->\$" "$source_dir/README.md" || return 0
    awk -v name="$1" -v text="$2" '
        $0 == "<!-- " name " -->" { print; print "```"; while ((getline line < text) > 0) print line; print "```"; skip = 1; next }
        $0 == "<!-- /" name " -->" { skip = 0 }
        !skip { print }
    ' "$source_dir/README.md" >"$work/README.md"
    cp "$work/README.md" "$source_dir/README.md"
}
copy_into_readme drill-session "$docs/drill-session.txt"

# --- the viewers on an X server of their own ---

start_x_server "$work" || fail "no X server"

# The window's picture once it shows rows; ImageMagick's own date chunks left out.
shoot_window() { # OUTPUT.png
    local window shot=$work/shot.png
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" |
        head -n 1) || fail "no window titled '$title'"
    for _ in $(seq 100); do
        sleep 0.2
        timeout 5 import -window "$window" "$shot" 2>/dev/null || continue
        # Rows are drawn once the middle of the list is not all one colour.
        [ "$(convert "$shot" -crop 200x200+40+60 +repage -format '%k' info:)" -gt 1 ] || continue
        # Drawing has settled once two pictures in a row agree.
        sleep 0.5
        timeout 5 import -window "$window" "$shot.again.png" 2>/dev/null || continue
        compare -metric AE "$shot" "$shot.again.png" null: 2>/dev/null || continue
        convert "$shot" -strip "$1"
        return 0
    done
    fail "the window showed no rows"
}

echo "drillview on Linux ..."
(cd "$work/log" && exec timeout 120 "$drillview") &
viewer_pid=$!
shoot_window "$docs/viewer-linux.png"
kill "$viewer_pid" 2>/dev/null || true
wait "$viewer_pid" 2>/dev/null || true
viewer_pid=''

if [ -f "$drillview_exe" ]; then
    echo "drillview.exe under Wine (a new Wine prefix takes a minute) ..."
    export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    (unset DISPLAY && timeout 300 wine wineboot --init </dev/null >"$work/wine.log" 2>&1) ||
        fail "Wine's prefix: $(cat "$work/wine.log")"
    # A desktop of Wine's own draws the window's frame, as Windows would.
    (cd "$work/log" && exec timeout 300 wine explorer /desktop=readme,1024x768 \
        "$drillview_exe" </dev/null >>"$work/wine.log" 2>&1) &
    viewer_pid=$!
    shoot_window "$docs/viewer-wine.png"
else
    echo "no $drillview_exe: docs/viewer-wine.png left as it was" >&2
fi
# --- drillreport on a generated class's log, its page drawn by a headless browser ---

echo "drillreport on a class of eight (a generated log, one learner slipping at its end) ..."
source "$source_dir/tests/drillreport_logs.sh"
source "$source_dir/tests/headless_browser.sh"
mkdir -p "$work/class"
(
    cd "$work/class"
    generated_log 8 320 56 >tovu
    # Cem slips in the last days, so that the page has someone to help: 7 errors in 10.
    for i in $(seq 0 15); do
        series_record Cem 2 25 5 10 7 \
            "$(LC_ALL=C TZ=UTC date -d "2026-04-27 08:00 UTC $((i * 5)) hours" '+%a %b %d %H:%M:%S %Y')"
    done >>tovu
    # The heading, the learners' table and the first learner's kinds.
    "$drillreport" | awk 'BEGIN { RS = ""; ORS = "\n\n" } NR <= 3' | sed '$d' >"$docs/report-table.txt"
    "$drillreport" --html lernfortschritt.html
) || fail "drillreport failed"
render_page "$work/class/lernfortschritt.html" "$docs/report-page.png" 800 1060 ||
    fail "no picture of drillreport's page"
copy_into_readme drillreport-table "$docs/report-table.txt"
ls -l "$docs"
