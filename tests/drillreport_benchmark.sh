#!/usr/bin/env bash
# Benchmark: drillreport's text, CSV and page of a big log, each set against the viewer's line
# reader alone and against an awk pass summing the same figures, in the same run; then the
# same for ever more learners, to show the cost per learner stays the same. Processor time
# (user and system, which a busy machine disturbs less than the wall clock) and peak memory,
# the best of RUNS each, and the page's size.
# Usage: drillreport_benchmark.sh DRILLREPORT READ-LINES-TOOL [SERIES [RUNS [LEARNERS...]]]
#   (defaults: 125000 series of 30 learners over a year, 1,000,000 lines; 10 runs; learners
#   1000 10000 100000 with 1.25 series each, the last 1,000,000 lines too)
set -euo pipefail
drillreport=$(realpath "$1") read_lines=$(realpath "$2") series=${3:-125000} runs=${4:-10}
sweep=("${@:5}")
[ ${#sweep[@]} -gt 0 ] || sweep=(1000 10000 100000)
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/drillreport_logs.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

declare -A seconds memory
# A small log is read repeat times a run, so that the clock's hundredths still tell.
repeat=1
measure() { # NAME COMMAND...: the best processor time and peak memory (KB) of the runs so far
    local total peak
    /usr/bin/time -f '%U %S %M' -o used \
        sh -c 'n=$1; shift; while [ "$n" -gt 0 ]; do "$@" || exit; n=$((n - 1)); done' \
        sh "$repeat" "${@:2}" >/dev/null
    total=$(awk -v repeat="$repeat" '{ printf "%.5f", ($1 + $2) / repeat }' used)
    peak=$(awk '{ print $3 }' used)
    if [ -z "${seconds[$1]:-}" ] || awk -v a="$total" -v b="${seconds[$1]}" 'BEGIN { exit !(a < b) }'; then
        seconds[$1]=$total
    fi
    if [ -z "${memory[$1]:-}" ] || [ "$peak" -lt "${memory[$1]}" ]; then
        memory[$1]=$peak
    fi
}
run_all() { # LOG
    seconds=() memory=()
    repeat=$((1000000 / $(wc -l <"$1")))
    [ "$repeat" -ge 1 ] || repeat=1
    for _ in $(seq "$runs"); do
        measure reader "$read_lines" "$1"
        measure awk awk -f "$here/drillreport_figures.awk" "$1"
        measure text "$drillreport" "$1"
        measure csv "$drillreport" --csv "$1"
        measure page "$drillreport" --html page.html "$1"
    done
}
report() { # LEARNERS
    for what in reader awk text csv page; do
        awk -v what="$what" -v s="${seconds[$what]}" -v m="${memory[$what]}" \
            -v reader="${seconds[reader]}" -v awk_s="${seconds[awk]}" -v awk_m="${memory[awk]}" \
            -v learners="$1" 'BEGIN {
            printf "%-6s %8.5f s %8.1f MB  %6.2f x the reader, %5.2f x awk'\''s time, %5.2f x its memory, %6.2f us per learner\n",
                what, s, m / 1024, s / (reader > 0 ? reader : 0.001), s / (awk_s > 0 ? awk_s : 0.001),
                m / awk_m, s * 1e6 / learners
        }'
    done
    echo "page: $(stat -c %s page.html) bytes, $(($(stat -c %s page.html) / $1)) per learner"
}

generated_log 30 "$series" 365 >tovu
echo "log: $(wc -l <tovu) lines, $(stat -c %s tovu) bytes, $series series of 30 learners"
run_all tovu
report 30
for learners in "${sweep[@]}"; do
    generated_log "$learners" $((learners * 5 / 4)) 365 >tovu
    echo "log: $(wc -l <tovu) lines, $(stat -c %s tovu) bytes, $((learners * 5 / 4)) series of $learners learners"
    run_all tovu
    report "$learners"
done
