#!/usr/bin/env bash
# Benchmark, not a test: how long drillview.exe takes under Wine, inside an X server of its
# own, from its start until its list is filled and a close request is answered, for drill
# logs of the given sizes. The inspector waits on the viewer's desktop, sees the list filled
# (its row count standing still for 100 ms) and sends WM_CLOSE; the viewer's life from process
# start to exit covers start-up, the fill, that wait and the answer. An empty log in the same
# run, with the same wait, is the baseline that the figures are also given against.
# Usage: win32_viewer_benchmark.sh DRILLVIEW_EXE INSPECTOR_EXE [RUNS [LINES...]]
#   (defaults: 3 runs of 100000 and 1000000 lines; WINEPREFIX names the Wine prefix), e.g.
#   cd build/win32 && WINEPREFIX=$PWD/wine-prefix WINEDEBUG=-all \
#       ../../tests/win32_viewer_benchmark.sh drillview/drillview.exe \
#       tests/win32_viewer_probe.exe
set -euo pipefail
drillview=$(realpath "$1") inspector=$(realpath "$2") runs=${3:-3}
shift $(($# < 3 ? $# : 3))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
export WINEDEBUG=${WINEDEBUG:--all}
desktop="drillview-benchmark-$$"

source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/viewer_e2e_lib.sh"
work=$(mktemp -d)
holder_pid=''
cleanup() {
    [ -z "$holder_pid" ] || kill "$holder_pid" 2>/dev/null || true
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server "$work" || exit 1

# The desktop is made first and held by an explorer of its own, so that the inspector can be
# waiting on it before the viewer starts.
timeout --kill-after=10 3600 wine explorer "/desktop=$desktop,1024x768" >/dev/null 2>&1 &
holder_pid=$!
timeout 60 xdotool search --sync --name "^$desktop - Wine desktop\$" >/dev/null ||
    { echo "the Wine desktop did not appear" >&2; exit 1; }

# One start of the viewer in DIRECTORY: prints its life in milliseconds.
measure() { # DIRECTORY
    timeout --kill-after=10 600 wine "$inspector" "$desktop" time-fill >"$work/inspector" &
    local inspector_pid=$!
    for _ in $(seq 600); do
        grep -q '^searching' "$work/inspector" 2>/dev/null && break
        sleep 0.05
    done
    (cd "$1" && exec timeout --kill-after=10 600 wine explorer "/desktop=$desktop,1024x768" \
        "$drillview" >/dev/null 2>&1) &
    local viewer_pid=$!
    wait "$inspector_pid" || { cat "$work/inspector" >&2; exit 1; }
    wait "$viewer_pid" || true
    grep -q -x 'exit code: 0' "$work/inspector" || { cat "$work/inspector" >&2; exit 1; }
    sed -n 's/^milliseconds: //p' "$work/inspector"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

mkdir -p "$work/0"
: >"$work/0/tovu"
for lines in "${sizes[@]}"; do
    mkdir -p "$work/$lines"
    write_drill_log "$lines" '\r\n' "$work/$lines/tovu"
done
measure "$work/0" >/dev/null # Wine's first start of a program is slower than the rest

for run in $(seq "$runs"); do
    for lines in 0 "${sizes[@]}"; do
        echo "$(measure "$work/$lines")" >>"$work/times-$lines"
    done
done
baseline=$(median <"$work/times-0")
echo "empty log: ${baseline} ms from start to exit (median of $runs)"
for lines in "${sizes[@]}"; do
    total=$(median <"$work/times-$lines")
    echo "$lines lines ($(stat -c %s "$work/$lines/tovu") bytes): ${total} ms from start to" \
        "exit, $((total - baseline)) ms more than the empty log (median of $runs)"
done
