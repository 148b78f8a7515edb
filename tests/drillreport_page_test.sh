#!/usr/bin/env bash
# drillreport's page: read by a strict HTML parser, and drawn by a real headless browser into
# a picture with the overview's sparkline above the chart, and the chart's points where their
# dates and percentages put them.
# Usage: drillreport_page_test.sh DRILLREPORT ARTEFACT-DIR   (the picture is kept there)
set -euo pipefail
drillreport=$(realpath "$1") artefacts=$(realpath -m "$2")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/drillreport_logs.sh"
source "$here/headless_browser.sh"
keep_going=1
export LC_ALL=C.UTF-8
rm -rf "$artefacts"
mkdir -p "$artefacts"
cd "$artefacts"

# Anna gets better week by week; a learner with markup for a name has 1000 series, Berta 1000
# over 4 days; anna and Zoe sort as a reader expects.
intruder='<script>alert("x")</script> & Co'
{
    series_record Anna 1 10 6 3 3 'Mon Dec 07 08:00:00 2026'
    series_record Anna 1 10 4 10 4 'Mon Dec 14 08:00:00 2026'
    series_record Anna 1 10 1 20 0 'Mon Dec 21 08:00:00 2026'
    generated_log 1 1000 600 | sed "s|^Name:\.*Anna\$|Name:..................${intruder//&/\\&}|"
    generated_log 1 1000 3 | sed 's|^Name:\.*Anna$|Name:..................Berta|'
    series_record Zoe 1 10 1 20 0 'Mon Dec 07 09:00:00 2026'
    series_record anna 1 10 1 20 0 'Mon Dec 07 10:00:00 2026'
} >tovu

case_name='HTML parser'
"$drillreport" --html page.html || fail "drillreport ended with $?"
/usr/bin/python3 "$here/drillreport_page_check.py" page.html >found || fail "the parser objects"
{
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$intruder" 1000 34% 2 30 besser Anna 3 21% 1 3 'kein Trend' \
        anna 1 0% 1 1 'kein Trend' Berta 1000 34% 2 30 besser Zoe 1 0% 1 1 'kein Trend'
    printf '%s\t%s\t%s\n' \
        "$intruder" 300 'Fehlerquote je Serie, Farbe nach Note. Ein Punkt je 2 Tage.' \
        Anna 3 'Fehlerquote je Serie, Farbe nach Note.' \
        anna 1 'Fehlerquote je Serie, Farbe nach Note.' \
        Berta 4 'Fehlerquote je Serie, Farbe nach Note. Ein Punkt je Tag.' \
        Zoe 1 'Fehlerquote je Serie, Farbe nach Note.'
} >expected
cmp -s expected found || fail "overview, learners, points and notes: $(cat found)"

case_name='browser'
"$drillreport" --html anna.html --name Anna || fail "drillreport ended with $?"
render_page anna.html anna.png 900 800 || fail "no picture"

# Pixels of exactly one colour in the picture, or in a part of it (WxH+X+Y).
count_colour() { # COLOUR [GEOMETRY]
    convert anna.png ${2:+-crop "$2" +repage} -alpha off -fill black +opaque "$1" \
        -fill white -opaque "$1" -format '%[fx:round(mean*w*h)]' info:
}
# The plot is the box of its background colour; its quarters hold the points.
plot=$(convert anna.png -alpha off -fill black +opaque '#f3f5f7' -trim -format '%w %h %X %Y' info:)
read -r width height left top <<<"${plot//+/}"
half_w=$((width / 2)) half_h=$((height / 2))
[ "$width" -gt 400 ] && [ "$height" -gt 100 ] || fail "no plot in the picture: $plot"
while read -r what colour geometry; do
    [ "$(count_colour "$colour" "$geometry")" -ge 20 ] || fail "no $what at $geometry"
done <<PIXELS
grade-6-point-top-left #a50026 ${half_w}x${half_h}+$left+$top
grade-1-point-bottom-right #1a9641 ${half_w}x${half_h}+$((left + half_w))+$((top + half_h))
grade-4-point-in-the-middle #c06000 ${half_w}x${half_h}+$((left + half_w / 2))+$((top + half_h / 2))
line-through-them #7a838d ${width}x${height}+$left+$top
overview-sparkline-above #1f5fa8 ${width}x${top}+$left+0
PIXELS
end_of_checks
