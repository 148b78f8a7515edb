#!/usr/bin/env bash
# Benchmark: drillview's start-up on a big drill log, on an X server of its own. A close
# request goes out the moment the window appears; the viewer takes it only after it has
# filled and drawn its list, so the run's wall time bounds the time to a filled window. The
# peak resident memory is set against the log's size.
# Usage: viewer_startup_benchmark.sh DRILLVIEW CLOSE-REQUEST-TOOL [LINES [RUNS]]
#   (defaults: 1000000 lines, 3 runs; needs Xvfb and GNU time)
set -euo pipefail

drillview=$(realpath "$1") close_request=$(realpath "$2") lines=${3:-1000000} runs=${4:-3}
source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/viewer_e2e_lib.sh"
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
    (cd "$work" && exec timeout 60 /usr/bin/time -f '%e %M' -o "$work/time" "$drillview") &
    viewer=$!
    "$close_request" --title 'Logfile by .::Zandrix::.'
    wait "$viewer"
    read -r seconds peak_kb <"$work/time"
    awk -v run="$run" -v s="$seconds" -v kb="$peak_kb" -v bytes="$bytes" 'BEGIN {
        printf "run %d: start to close handled %.2f s, peak memory %.1f MB = %.2f x the log\n",
               run, s, kb / 1024, kb * 1024 / bytes
    }'
done
