#!/usr/bin/env bash
# Benchmark: drillreport's text, CSV and page of a big log, each set against the viewer's line
# reader alone reading the same file in the same run; the best of RUNS each, and the page's
# size.
# Usage: drillreport_benchmark.sh DRILLREPORT READ-LINES-TOOL [SERIES [RUNS]]
#   (defaults: 125000 series of 30 learners over a year, 1,000,000 lines; 10 runs)
set -euo pipefail
drillreport=$(realpath "$1") read_lines=$(realpath "$2") series=${3:-125000} runs=${4:-10}
source "$(dirname "${BASH_SOURCE[0]}")/drillreport_logs.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

generated_log 30 "$series" 365 >tovu
echo "log: $(wc -l <tovu) lines, $(stat -c %s tovu) bytes, $series series of 30 learners"

declare -A best
measure() { # NAME COMMAND...: the best wall time of the runs so far, in seconds
    local start end seconds
    start=$EPOCHREALTIME
    "${@:2}" >/dev/null
    end=$EPOCHREALTIME
    seconds=$(awk -v start="$start" -v end="$end" 'BEGIN { printf "%.4f", end - start }')
    if [ -z "${best[$1]:-}" ] || awk -v a="$seconds" -v b="${best[$1]}" 'BEGIN { exit !(a < b) }'; then
        best[$1]=$seconds
    fi
}
for _ in $(seq "$runs"); do
    measure reader "$read_lines" tovu
    measure text "$drillreport" tovu
    measure csv "$drillreport" --csv tovu
    measure page "$drillreport" --html page.html tovu
done
for what in reader text csv page; do
    awk -v what="$what" -v s="${best[$what]}" -v base="${best[reader]}" 'BEGIN {
        printf "%-6s %.3f s  %.2f x the reader alone\n", what, s, s / base
    }'
done
echo "page: $(stat -c %s page.html) bytes"
