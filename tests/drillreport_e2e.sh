#!/usr/bin/env bash
# drillreport end to end, the real program in a scratch folder: exit codes and messages, the
# CSV's bytes, the page written whole or not at all; with "wine", drillreport.exe the same
# way, and its characters on a console set to another code page.
# Usage: drillreport_e2e.sh native|wine PROGRAM WORK_DIRECTORY
#   (for wine, WINEPREFIX and Wine's quiet settings come from CTest)
set -euo pipefail
platform=$1 program=$(realpath "$2") work=$3
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/drillreport_logs.sh"
keep_going=1
export LC_ALL=C.UTF-8
rm -rf "$work"
mkdir -p "$work"
cd "$work"
[ "$platform" != wine ] || unset DISPLAY

# ARGUMENTS...: exit code in status, standard output in out (or in the file named by output),
# standard error in err
run() {
    local runner=()
    [ "$platform" != wine ] || runner=(wine)
    set +e
    timeout --kill-after=10 120 "${runner[@]}" "$program" "$@" </dev/null >"${output:-out}" 2>err
    status=$?
    set -e
}

# Each TEXT of a ^-separated list must be in FILE; an empty list means FILE is empty.
check_holds() { # FILE LIST
    if [ -z "$2" ]; then
        [ ! -s "$1" ] || fail "$1 should be empty: $(head -c 500 "$1")"
        return 0
    fi
    local text
    while IFS= read -r -d '^' text; do
        grep -q -F -- "$text" "$1" || fail "$1 lacks '$text': $(head -c 800 "$1")"
    done <<<"$2^"
}

write_class_logs
{
    start_records 'Mon Dec 07 07:55:00 2026'
    series_record Anna 1 10 3 3 1 'Mon Dec 07 08:00:00 2026'
    series_record Ben 3 100 1 20 0 'Mon Dec 07 09:00:00 2026'
    series_record Anna 1 10 2 10 1 'Tue Dec 08 08:00:00 2026'
} >tovu
: >leer
{
    printf 'Kaffee\n\n'
    series_record Anna 1 10 1 3 1 'Mon Dec 07 08:00:00 2026' # a grade by hand
} >kaputt
mkdir ordner
usage='Aufruf: drillreport [--csv'
unreadable=' kann nicht gelesen werden.'
class_heading='1 Protokoll, 3 Serien, 2 Namen, 07.12.2026 bis 08.12.2026'

while IFS='|' read -r case_name expected_status stdout_holds stderr_holds arguments; do
    eval "set -- $arguments"
    run "$@"
    [ "$status" = "$expected_status" ] || fail "exit code $status, expected $expected_status"
    check_holds out "$stdout_holds"
    check_holds err "$stderr_holds"
done <<CASES
help|0|$usage^  --csv ||--help
unknown option|2||unbekannte Option: --bogus^$usage|--bogus tovu
no page name|2||fehlender Wert nach --html^$usage|--html
no name|2||fehlender Wert nach --name^$usage|tovu --name
two forms|2||--csv und --html^$usage|--csv --html seite.html
the log here|0|$class_heading^Anna    |
unreadable logs|1|$class_heading|fehlt$unreadable^ordner$unreadable|fehlt tovu ordner
no series|0|Keine Serien gefunden.||leer
lines left out|0|Keine Serien|nicht gezählt: 2 Zeilen und 1 Serieneintrag|kaputt
no series for a spreadsheet|0|Name;Endzeit;Art|Keine Serien gefunden.|--csv leer
one learner|0|1 Protokoll, 2 Serien, 1 Name,||--name Anna
one learner with an umlaut|0|3 Protokolle, 2 Serien, 1 Name,||tovu pc1/tovu pc2/tovu --name Jürgen
CASES

case_name='CSV of two computers' # the same bytes whatever the platform
run --csv pc1/tovu pc2/tovu
[ "$status" = 0 ] || fail "exit code $status"
class_csv >expected.csv
cmp -s expected.csv out || {
    fail "the CSV differs (< expected, > actual)"
    diff <(cat -v expected.csv) <(cat -v out) || true
}

case_name='page beside unreadable logs'
run --html seite.html fehlt
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err "fehlt$unreadable"
check_holds seite.html '<!DOCTYPE html>^Keine Serien gefunden.^</html>'

case_name='page replaced' # by a rename: whoever reads the old page meanwhile reads it whole
old_page=$(cat seite.html)
exec 4<seite.html
run --html seite.html
[ "$status" = 0 ] || fail "exit code $status"
[ "$(cat <&4)" = "$old_page" ] || fail "the old page changed under its reader"
exec 4<&-
check_holds seite.html "$class_heading^<h2 id=\"name-Ben-titel\">Ben</h2>^</html>"
[ -z "$(find . -name '*.tmp')" ] || fail "left behind: $(find . -name '*.tmp')"

case_name='page in a missing folder'
run --html nirgends/seite.html
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err 'nirgends/seite.html kann nicht geschrieben werden.'
[ ! -e nirgends ] || fail "nirgends/ was made"

case_name='output fails'
output=/dev/full run
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err 'die Ausgabe kann nicht geschrieben werden.'

if [ "$platform" = wine ]; then
    # A console set to code page 1252: bytes of UTF-8 would show as other characters there.
    case_name='Win32 console'
    cp "$program" drillreport.exe
    timeout --kill-after=10 120 script -qfec \
        'wine cmd /c "chcp 1252 >NUL & drillreport.exe pc2/tovu"' /dev/null \
        </dev/null >terminal 2>&1 || true
    sed -E $'s/\x1b\\[[0-9;?]*[A-Za-z]//g' terminal | tr -d '\r' >screen
    check_holds screen '1 Protokoll, 4 Serien, 3 Namen^@Ömer +1  ^Ä"rger  ^Jürgen  '
else
    case_name='a FIFO' # never waited on
    mkfifo fifo
    run fifo tovu
    [ "$status" = 1 ] || fail "exit code $status, expected 1"
    check_holds err "fifo$unreadable"
fi
end_of_checks
