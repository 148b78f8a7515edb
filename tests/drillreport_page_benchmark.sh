#!/usr/bin/env bash
# Benchmark: drillreport's page of a school in Debian's chromium (page_axe/page_benchmark.js),
# set against a page of as many bytes of plain text in the same run: the time until loaded and
# drawn, a jump to the last learner, and the page's elements and nodes. The npm packages are
# installed into MODULE-DIR once (page_tools.sh), 77 when they cannot be.
# Usage: drillreport_page_benchmark.sh DRILLREPORT MODULE-DIR [LEARNERS [RUNS [SERIES...]]]
#   (defaults: 1000 learners, 5 runs, 1250 and 5000 series over a year)
set -euo pipefail
drillreport=$(realpath "$1") modules=$(realpath -m "$2") learners=${3:-1000} runs=${4:-5}
sizes=("${@:5}")
[ ${#sizes[@]} -gt 0 ] || sizes=(1250 5000)
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/drillreport_logs.sh"
source "$here/page_tools.sh"
install_page_tools "$modules"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

pages=()
for series in "${sizes[@]}"; do
    generated_log "$learners" "$series" 365 >tovu
    "$drillreport" --html "page-$series.html" tovu
    # The baseline: the page's bytes as text, which the browser only has to lay out as lines.
    { printf '<!DOCTYPE html>\n<html lang="de"><head><meta charset="utf-8"><title>Text</title>'
      printf '</head><body><pre>\n'
      sed 's/&/\&amp;/g; s/</\&lt;/g' "page-$series.html"
      printf '</pre></body></html>\n'; } >"text-$series.html"
    pages+=("page-$series.html" "text-$series.html")
done
echo "$learners learners; series: ${sizes[*]}; best of $runs runs"
NODE_PATH=$modules/node_modules timeout --kill-after=10 1800 node \
    "$here/page_axe/page_benchmark.js" "$runs" "${pages[@]}"
