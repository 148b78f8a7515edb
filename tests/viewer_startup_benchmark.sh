#!/usr/bin/env bash
# Benchmark: drillview's start-up on a big drill log, on an X server of its own: the processor
# time the viewer takes to start, fill and draw its list, and answer a close request sent once
# it has gone idle; the peak resident memory is set against the log's size. Processor time, as
# the viewer answers a close request at once during the fill, and the wait for it to go idle
# is no part of the work.
# Usage: viewer_startup_benchmark.sh DRILLVIEW CLOSE-REQUEST-TOOL [LINES [RUNS]]
#   (defaults: 1000000 lines, 3 runs; needs Xvfb and GNU time)
set -euo pipefail

drillview=$(realpath "$1") close_request=$(realpath "$2") lines=${3:-1000000} runs=${4:-3}
source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/viewer_e2e_lib.sh"
title=$(viewer_title)
work=$(mktemp -d)
cleanup() {
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

start_x_server "$work" || exit 1

write_drill_log "$lines" '\n' "$work/tovu"
bytes=$(stat -c %s "$work/tovu")
echo "log: $lines lines, $bytes bytes"

for run in $(seq "$runs"); do
    (cd "$work" && exec timeout 60 /usr/bin/time -f '%U %S %M' -o "$work/time" "$drillview") &
    viewer=$!
    until pid=$(pgrep -f -x "$drillview"); do sleep 0.01; done
    await_fill_end "$pid" || { echo "the fill did not end" >&2; exit 1; }
    "$close_request" --title "$title"
    wait "$viewer"
    read -r user system peak_kb <"$work/time"
    awk -v run="$run" -v user="$user" -v kernel="$system" -v kb="$peak_kb" -v bytes="$bytes" 'BEGIN {
        printf "run %d: processor time from start to close %.2f s, peak memory %.1f MB = " \
               "%.2f x the log\n", run, user + kernel, kb / 1024, kb * 1024 / bytes
    }'
done
