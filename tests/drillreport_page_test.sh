#!/usr/bin/env bash
# drillreport's page: read by a strict HTML parser, and drawn by a real headless browser into
# a picture with the overview's sparkline above the chart, and the chart's points where their
# dates and percentages put them. The page is kept for the checks in a browser (page_axe).
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
# over 4 days; anna and Zoe sort as a reader expects, and so do É, Ł and Ş. Anna-titel's part
# must not take the id of Anna's heading. Felix has 400 series on one day between two of one,
# of 0 to 10 errors in 10; a name runs on for 80 letters, another piles 200 marks on its O.
intruder='<script>alert("x")</script> & Co'
long_name=$(printf 'Wolfeschlegelsteinhausenbergerdorff%.0s' 1 2 3 | cut -c 1-80)
marks=$(printf 'O%s' "$(printf '\xcc\x88%.0s' {1..200})")zan
grades=(1 2 3 3 4 4 5 5 6 6 6) # of 0 to 10 errors in 10
{
    series_record Anna 1 10 6 3 3 'Mon Dec 07 08:00:00 2026'
    series_record Anna 1 10 4 10 4 'Mon Dec 14 08:00:00 2026'
    series_record Anna 1 10 1 20 0 'Mon Dec 21 08:00:00 2026'
    generated_log 1 1000 600 | sed "s|^Name:\.*Anna\$|Name:..................${intruder//&/\\&}|"
    generated_log 1 1000 3 | sed 's|^Name:\.*Anna$|Name:..................Berta|'
    series_record Zoe 1 10 1 20 0 'Mon Dec 07 09:00:00 2026'
    series_record anna 1 10 1 20 0 'Mon Dec 07 10:00:00 2026'
    series_record Anna-titel 2 25 6 10 9 'Mon Dec 07 11:00:00 2026'
    for name in Émile Łukasz Şükrü "$long_name" "$marks"; do
        series_record "$name" 3 10 2 10 1 'Tue Dec 08 08:00:00 2026'
    done
    series_record Felix 2 25 3 10 3 'Sun Mar 01 12:00:00 2026'
    for i in $(seq 0 399); do
        series_record Felix 2 25 "${grades[i % 11]}" 10 $((i % 11)) \
            "$(TZ=UTC date -d "2026-03-02 00:00 UTC $((i * 216)) seconds" '+%a %b %d %H:%M:%S %Y')"
    done
    series_record Felix 2 25 3 10 3 'Tue Mar 03 12:00:00 2026'
} >tovu

case_name='HTML parser'
"$drillreport" --html page.html || fail "drillreport ended with $?"
/usr/bin/python3 "$here/drillreport_page_check.py" page.html >found || fail "the parser objects"
# The overview in the order of need, the highest recent error percentage first; then the
# learners' table and the learners' parts in the order of names, each thinned chart with its
# first point of several, each part with its first kind.
note=$(printf '%s ' 'die Fehlerquote seiner Serien zusammen, zu ihrer mittleren Zeit, mit einem' \
    'Strich von der niedrigsten bis zur höchsten einer Serie; sein Tooltip nennt die Zahl der' \
    'Serien, den ersten und den letzten Tag.')
note=${note% }
grade=$'Note\u00a0' one=('kein Trend' – - 1)
big='1000|13941|4820|34%|3,4|5 → 2|01.03.2026 – ' # the intruder's figures are Berta's
tenth='1|10|1|10%|2,0|2 → 2|08.12.2026 – 08.12.2026' zero='1|20|0|0%|1,0|1 → 1|07.12.2026 – 07.12.2026'
{
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' \
        Anna-titel "90%, ${grade}6,0 Hilfe nötig" "90%, ${grade}6,0" "${one[@]}" \
        Felix "49%, ${grade}4,0" "49%, ${grade}4,1" gleich 'Subtraktion 0-25: 49%' 30 402 \
        Anna "21%, ${grade}3,7" "21%, ${grade}3,7" 'kein Trend' 'Addition 0-10: 21%' 3 3 \
        "$intruder" "10%, ${grade}2,0" "34%, ${grade}3,4" besser 'Subtraktion 0-10: 15%' 30 1000 \
        Berta "10%, ${grade}2,0" "34%, ${grade}3,4" besser 'Subtraktion 0-10: 15%' 30 1000
    for name in Émile Łukasz "$marks" Şükrü "$long_name"; do
        printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "10%, ${grade}2,0" "10%, ${grade}2,0" "${one[@]}"
    done
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' anna "0%, ${grade}1,0" "0%, ${grade}1,0" "${one[@]}" \
        Zoe "0%, ${grade}1,0" "0%, ${grade}1,0" "${one[@]}"
    printf '%s\n' "$intruder|${big}21.10.2027" 'Anna|3|33|7|21%|3,7|6 → 1|07.12.2026 – 21.12.2026' \
        "anna|$zero" 'Anna-titel|1|10|9|90%|6,0|6 → 6|07.12.2026 – 07.12.2026' \
        "Berta|${big}04.03.2026" "Émile|$tenth" 'Felix|402|4020|1992|49%|4,1|3 → 3|01.03.2026 – 03.03.2026' \
        "Łukasz|$tenth" "$marks|$tenth" "Şükrü|$tenth" "$long_name|$tenth" "Zoe|$zero"
    printf '%s\t%s\t%s\t%s\t%s\n' \
        "$intruder" 300 "Ein Punkt je 2 Tage: $note" \
        '01.03.2026 bis 02.03.2026: 3 Serien, 57% (52% bis 60%), Note 5 | at 0.00 | 52% to 60%, the point 57%' \
        'Addition 0-10|167|2311|799|34%|3,4|5 → 2|01.03.2026 – 19.10.2027' \
        Anna 3 '' '' 'Addition 0-10|3|33|7|21%|3,7|6 → 1|07.12.2026 – 21.12.2026' \
        anna 1 '' '' "Addition 0-10|$zero" \
        Anna-titel 1 '' '' 'Subtraktion 0-25|1|10|9|90%|6,0|6 → 6|07.12.2026 – 07.12.2026' \
        Berta 4 "Ein Punkt je Tag: $note" \
        '01.03.2026: 223 Serien, 54% (20% bis 92%), Note 5 | at 0.00 | 20% to 92%, the point 54%' \
        'Addition 0-10|167|2311|799|34%|3,4|5 → 2|01.03.2026 – 04.03.2026' \
        Émile 1 '' '' "Multiplikation 0-10|$tenth" \
        Felix 3 "Ein Punkt je Tag: $note" \
        '02.03.2026: 400 Serien, 49% (0% bis 100%), Note 4 | at 0.50 | 0% to 100%, the point 49%' \
        'Subtraktion 0-25|402|4020|1992|49%|4,1|3 → 3|01.03.2026 – 03.03.2026'
    for name in Łukasz "$marks" Şükrü "$long_name"; do
        printf '%s\t%s\t%s\t%s\t%s\n' "$name" 1 '' '' "Multiplikation 0-10|$tenth"
    done
    printf '%s\t%s\t%s\t%s\t%s\n' Zoe 1 '' '' "Addition 0-10|$zero"
} >expected
expect_same expected found "overview, learners, points and notes"
case_name='browser'
"$drillreport" --html anna.html --name Anna || fail "drillreport ended with $?"
render_page anna.html anna.png 900 1200 || fail "no picture"

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
