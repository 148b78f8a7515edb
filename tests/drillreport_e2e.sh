#!/usr/bin/env bash
# drillreport end to end, the real program in a scratch folder: exit codes and messages, the
# CSV's bytes, the page written whole or not at all, paths outside the ANSI code page, folders
# of logs; with "wine", drillreport.exe the same way, its wildcards, its characters on a
# console set to another code page, and drillreport.exe started as from the desktop by
# OWN_CONSOLE (win32_own_console.exe), with logs dropped onto it and onto LAUNCHER.
# Usage: drillreport_e2e.sh native|wine PROGRAM WORK_DIRECTORY [OWN_CONSOLE LAUNCHER]
#   (for wine, WINEPREFIX, Wine's quiet settings and the names of the page and of the user's
#   folder come from CTest; LAUNCHER: drillstart.exe)
set -euo pipefail
platform=$1 program=$(realpath "$2") work=$3
own_console=${4:+$(realpath "$4")} launcher=${5:+$(realpath "$5")}
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/drillreport_logs.sh"
keep_going=1
export LC_ALL=C.UTF-8
chattr -R -i "$work" 2>/dev/null || true # a folder made read-only by an interrupted run
rm -rf "$work"
mkdir -p "$work"
cd "$work"
[ "$platform" != wine ] || unset DISPLAY

# ARGUMENTS...: exit code in status, standard output in out (or in the file named by output),
# standard error in err; with size_limit (KiB), writes beyond it fail as on a full disk (and
# raise SIGXFSZ, which drillreport must not die of; Wine would).
run() {
    local runner=()
    [ "$platform" != wine ] || runner=(wine)
    set +e
    (
        [ -z "${size_limit:-}" ] || ulimit -f "$size_limit"
        [ -z "${size_limit:-}" ] || [ "$platform" = native ] || trap '' XFSZ
        exec timeout --kill-after=10 120 "${runner[@]}" "$program" "$@"
    ) </dev/null >"${output:-out}" 2>err
    status=$?
    set -e
}

# The folder's names, kinds, modes and owners, and with snapshot its files' bytes, the run's
# own output left out.
listing() { find . -mindepth 1 ! -name out ! -name err -printf '%p %y %m %U:%G\n' | sort; }
snapshot() {
    listing
    find . -type f ! -name out ! -name err -exec cksum {} + | sort
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
unicode='Şükrü_Λόγος' # outside code page 1252, where the ANSI functions end
mkdir "$unicode"
cp tovu "$unicode/"
mkfifo fifo
ln -s pc1/tovu zum-log
# Three computers' logs in a class folder, and one as deep as is looked (c); one deeper (d), a
# link above the folder, a link back into it and one to a folder walked already are not read.
mkdir -p klasse/pc01 klasse/pc02 klasse/pc03/a/b/c/d
cp pc1/tovu klasse/pc01/
cp pc2/tovu klasse/pc02/
[ "$platform" != wine ] || mv klasse/pc02/tovu klasse/pc02/TOVU # Windows' names have no case
cp tovu klasse/pc03/
series_record Tief 1 10 1 5 0 'Mon Dec 07 08:00:00 2026' >klasse/pc03/a/b/c/tovu
series_record Tiefer 1 10 1 5 0 'Mon Dec 07 08:00:00 2026' >klasse/pc03/a/b/c/d/tovu
ln -s ../.. klasse/pc01/hoch
ln -s .. klasse/pc02/kreis
ln -s ../pc01 klasse/pc03/zu-pc01
# Lea's grades 1, 2, 2 from the first second of September to the last of December, a
# series a second before and one a second after.
{
    series_record Lea 1 10 3 3 1 'Mon Aug 31 23:59:59 2026'
    series_record Lea 1 10 1 20 0 'Tue Sep 01 00:00:00 2026'
    series_record Lea 1 10 2 10 1 'Thu Oct 15 12:00:00 2026'
    series_record Lea 1 10 2 10 1 'Thu Dec 31 23:59:59 2026'
    series_record Lea 1 10 6 1 1 'Fri Jan 01 00:00:00 2027'
} >zeitraum
usage='Aufruf: drillreport [--csv'
unreadable=' kann nicht gelesen werden.'
is_a_log=' ist eines der gelesenen Protokolle und wird nicht durch die Seite ersetzt.'
not_a_file=' ist keine gewöhnliche Datei und wird nicht durch die Seite ersetzt.'
class_heading='1 Protokoll, 3 Serien, 2 Namen, 07.12.2026 bis 08.12.2026'

# Cases Wine cannot show as they are (a FIFO as a log, a link that leads nowhere), one only
# root may set up, and drillreport.exe's wildcards, in the folder's part of a path too.
more_cases=
if [ "$platform" = wine ]; then
    more_cases="wildcards|1|2 Protokolle, 10 Serien, 9 Namen,|nix*\\tovu$unreadable|'PC?\\tovu' 'nix*\\tovu'"
else
    ln -s nirgends ins-leere
    more_cases="a FIFO as a log|1|$class_heading|fifo$unreadable|fifo tovu
page a link that leads nowhere|1||ins-leere$not_a_file|--html ins-leere"
fi
if [ "$(id -u)" = 0 ]; then
    mknod geraet c 1 3 # what /dev/null is
    more_cases+="${more_cases:+$'\n'}page a device|1||geraet$not_a_file|--html geraet"
else
    echo "not root: no page on a device node" >&2
fi

# No run of the table writes a page: each leaves the folder as it was.
while IFS='|' read -r case_name expected_status stdout_holds stderr_holds arguments; do
    [ -n "$case_name" ] || continue
    eval "set -- $arguments"
    before=$(snapshot)
    run "$@"
    [ "$status" = "$expected_status" ] || fail "exit code $status, expected $expected_status"
    check_holds out "$stdout_holds"
    check_holds err "$stderr_holds"
    [ "$(snapshot)" = "$before" ] || fail "the folder changed: $(diff <(echo "$before") <(snapshot))"
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
period|0|3 Serien, 1 Name, 01.09.2026 bis 31.12.2026, Zeitraum vom 01.09.2026 bis 31.12.2026^  1,7  ||--von 01.09.2026 --bis 31.12.2026 zeitraum
period from a day|0|4 Serien, 1 Name, 01.09.2026 bis 01.01.2027, Zeitraum ab 01.09.2026||zeitraum --von 1.9.2026
period to a day|0|4 Serien, 1 Name, 31.08.2026 bis 31.12.2026, Zeitraum bis 31.12.2026||zeitraum --bis 31.12.2026
period for a spreadsheet|0|Lea;2026-09-01 00:00:00;^Lea;2026-12-31 23:59:59;||--csv --von 1.9.2026 --bis 31.12.2026 zeitraum
period from no day|2||kein gültiges Datum (TT.MM.JJJJ) nach --von: 31.02.2026^$usage|--von 31.02.2026 zeitraum
period backwards|2||--von liegt nach --bis^$usage|--bis 31.08.2026 --von 01.09.2026 zeitraum
one learner with an umlaut|0|3 Protokolle, 2 Serien, 1 Name,||tovu pc1/tovu pc2/tovu --name Jürgen
a folder outside the code page|1|$class_heading|$unicode/fehlt$unreadable|$unicode/tovu $unicode/fehlt
page the log read by default|2||tovu$is_a_log|--html tovu
page a log by a link|2||zum-log$is_a_log|--html zum-log pc2/tovu ./pc1/tovu
page a folder|1||ordner$not_a_file|--html ordner
page a FIFO|1||fifo$not_a_file|--html fifo
page in a missing folder|1||nirgends/seite.html kann nicht geschrieben werden.|--html nirgends/seite.html
a class folder|0|4 Protokolle, 14 Serien, 12 Namen,||klasse
names with control characters|1||�]0;x�$unreadable^�[1mx/y.html kann nicht|--html $'\e[1mx/y.html' $'\e]0;x\a'
$more_cases
CASES

case_name='CSV of two computers' # the same bytes whatever the platform
run --csv pc1/tovu pc2/tovu
[ "$status" = 0 ] || fail "exit code $status"
{ # a byte order mark, CR LF, in time order, the series both logs hold once
    printf '\xef\xbb\xbfName;Endzeit;Art;Schwierigkeit;Aufgaben;Fehler;Fehlerquote;Note\r\n'
    printf '%s\r\n' \
        '"Anna;Lena";2026-12-07 08:00:00;Addition;10;3;1;33;3' \
        '"Müller, Lena";2026-12-07 08:01:00;Addition;10;6;1;16;2' \
        '"Max ""Mäxchen"" Muster";2026-12-07 08:05:00;Subtraktion;25;10;0;0;1' \
        "\"'=HYPERLINK(\"\"http://x\"\")\";2026-12-07 08:10:00;Multiplikation;100;2;1;50;4" \
        'Jürgen;2026-12-08 09:00:00;Quadratwurzeln;10000;20;1;5;2' \
        "'-Bert;2026-12-08 10:00:00;Division;1000;1;1;100;6" \
        ';2026-12-08 11:00:00;Quadrieren;10;10;6;60;5' \
        'Jürgen;2026-12-09 09:00:00;Quadratwurzeln;10000;21;1;4;1' \
        "'@Ömer +1;2026-12-09 09:30:00;Addition;10;5;0;0;1" \
        '"Ä""rger";2026-12-09 10:00:00;Division;25;4;1;25;3'
} >expected.csv
expect_same expected.csv out "the CSV"

case_name='page beside unreadable logs'
run --html seite.html fehlt
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err "fehlt$unreadable"
check_holds seite.html '<!DOCTYPE html>^Keine Serien gefunden.^</html>'

# A page replaced by a rename: whoever reads the old page meanwhile reads it whole. It keeps
# its permissions (under Wine, the read-only attribute, as Wine maps it to the mode), its
# owner where the run may set it, and the link that leads to it; nothing else is left.
case_name='page replaced'
kept_mode=640
[ "$platform" != wine ] || kept_mode=444
chmod "$kept_mode" seite.html
[ "$platform:$(id -u)" != native:0 ] || chown 1234:5678 seite.html
mkdir ziel
ln -s ../seite.html ziel/zur-seite
names=$(listing)
old_page=$(cat seite.html)
exec 4<seite.html
run --html ziel/zur-seite
[ "$status" = 0 ] || fail "exit code $status"
[ "$(cat <&4)" = "$old_page" ] || fail "the old page changed under its reader"
exec 4<&-
check_holds seite.html "$class_heading^<h2 class=\"n\" id=\"titel-Ben\">Ben</h2^</html>"
[ -L ziel/zur-seite ] || fail "the link was replaced"
[ "$(listing)" = "$names" ] || fail "names or permissions changed: $(diff <(echo "$names") <(listing))"

case_name='page on a full disk' # written in pieces: the old page stays whole all the same
generated_log 1000 1250 30 >viele
before=$(snapshot)
size_limit=256 run --html seite.html viele
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err 'seite.html kann nicht geschrieben werden.'
[ "$(snapshot)" = "$before" ] || fail "the folder changed: $(diff <(echo "$before") <(snapshot))"

# Stopped while it writes the page (its temporary file open beside the page, in the page's
# folder), the run leaves nothing but the old page, whatever the signal: natively the file has
# no name until it is whole, and where the file system makes it with one (no /proc to link it
# by, as on a FAT stick) the caught signals remove it; under Wine the system deletes it.
case_name='page interrupted'
generated_log 100000 125000 30 >viele
mkdir neben
echo 'die alte Seite' >neben/seite.html
before=$(snapshot)
writing_page() { # PID
    compgen -G 'neben/.lf*' >/dev/null || find "/proc/$1/fd" -lname "$PWD/neben/#*" 2>/dev/null | grep -q .
}
interrupt_page() { # WAY SIGNAL...
    local way=$1 signal pid status
    shift
    for signal; do
        case_name="page interrupted by SIG$signal ($way)"
        local start=("${runner[@]}" "$program")
        [ "$way" != named ] ||
            start=(unshare -m sh -c 'mount -t tmpfs none "/proc/$$/fd" && exec "$@"' sh "${start[@]}")
        # A job in the background of a script ignores Ctrl+C and Ctrl+\ unless given their
        # default back.
        env --default-signal "${start[@]}" --html neben/seite.html viele </dev/null >out 2>err &
        pid=$!
        until writing_page "$pid" || ! kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
        kill "-$signal" "$pid" 2>/dev/null || true
        status=0
        wait "$pid" || status=$?
        # Wine ends a run at Ctrl+C with 0; the old page, and no message, tell all the same.
        [ "$status" = $((128 + $(kill -l "$signal"))) ] || [ "$platform:$signal" = wine:INT ] ||
            fail "exit code $status: the run was not stopped"
        check_holds err ''
        [ "$(snapshot)" = "$before" ] || fail "the folder changed: $(diff <(echo "$before") <(snapshot))"
    done
}
runner=()
if [ "$platform" = wine ]; then
    runner=(wine)
    interrupt_page system INT KILL
else
    interrupt_page nameless INT QUIT HUP TERM KILL
    if unshare -m true 2>/dev/null; then
        interrupt_page named INT QUIT HUP TERM
    else
        echo "no mount namespace: the page's named temporary file is not tried" >&2
    fi
    case_name='page with SIGHUP ignored' # as nohup starts it: the run goes on
    env --ignore-signal=HUP "$program" --html neben/seite.html viele </dev/null >out 2>err &
    until writing_page $! || ! kill -0 $! 2>/dev/null; do sleep 0.01; done
    kill -HUP $! 2>/dev/null || true
    wait $! || fail "exit code $?"
    check_holds neben/seite.html '</html>'
fi
rm -r viele neben

# A new page on another file system (a stick, /tmp): its temporary file is made beside it, not
# in the working folder, or the rename would fail; natively its mode is what the umask gives
# (Wine's server makes files with its own umask).
case_name='new page on another file system'
elsewhere=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
umask_before=$(umask)
umask 027
run --html "$elsewhere/seite.html" tovu
umask "$umask_before"
[ "$status" = 0 ] || fail "exit code $status: $(cat err)"
check_holds "$elsewhere/seite.html" '</html>'
[ "$platform" = wine ] || [ "$(stat -c %a "$elsewhere/seite.html")" = 640 ] ||
    fail "mode $(stat -c %a "$elsewhere/seite.html")"
[ "$(ls -A "$elsewhere")" = seite.html ] || fail "left beside the page: $(ls -A "$elsewhere")"
rm -r "$elsewhere"

case_name='page in a folder outside the code page'
run --html "$unicode/seite.html" "$unicode/tovu"
[ "$status" = 0 ] || fail "exit code $status"
check_holds "$unicode/seite.html" "$class_heading^</html>"

case_name='page name of 250 bytes' # too long for any temporary name that only adds to it
long_name=$(printf 's%.0s' {1..245}).html
run --html "$long_name"
[ "$status" = 0 ] || fail "exit code $status: $(cat err)"
check_holds "$long_name" '</html>'

case_name='output fails'
output=/dev/full run
[ "$status" = 1 ] || fail "exit code $status, expected 1"
check_holds err 'die Ausgabe kann nicht geschrieben werden.'

if [ "$platform" = wine ]; then
    page_name=${DRILL_PAGE_NAME:?} user_folder=${DRILL_USER_FOLDER:?}
    # A console set to code page 1252: bytes of UTF-8 would show as other characters there.
    # Without arguments but in the prompt's console, the table of the log here as ever.
    case_name='Win32 console'
    cp "$program" drillreport.exe
    timeout --kill-after=10 120 script -qfec \
        'wine cmd /c "chcp 1252 >NUL & cd pc2 & ..\drillreport.exe"' /dev/null \
        </dev/null >terminal 2>&1 || true
    sed -E $'s/\x1b\\[[0-9;?]*[A-Za-z]//g' terminal | tr -d '\r' >screen
    check_holds screen '1 Protokoll, 4 Serien, 3 Namen^@Ömer +1  ^Ä"rger  ^Jürgen  '
    [ ! -e "pc2/$page_name" ] || fail "a page was written from a command prompt"

    # Started as from the desktop, alone in a console of its own. Pages open with a handler
    # that writes down what it was given (Wine's own classes have no .html); keys wait in a
    # FIFO, read only by a program that waits for one. The user's Documents lie here.
    top=$PWD
    windows_path() { printf 'Z:%s' "${1//\//\\}"; }
    browse_with() { # COMMAND: what opens a page
        wine reg add 'HKCR\drill.testpage\shell\open\command' /ve /f /d "$1" >/dev/null
    }
    wine reg add 'HKCR\.html' /ve /d drill.testpage /f >/dev/null
    recorder="cmd /c echo %1>$(windows_path "$top/opened")"
    browse_with "$recorder"
    shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
    documents_before=$(wine reg query "$shell_folders" /v Personal | tr -d '\r' |
        sed -n 's/.*REG_EXPAND_SZ *//p')
    mkdir dokumente
    documents=$(windows_path "$top/dokumente")
    wine reg add "$shell_folders" /v Personal /t REG_EXPAND_SZ /d "$documents" /f >/dev/null
    mkfifo keys
    exec 5<>keys # never waits for a reader or a writer
    # DIRECTORY PROGRAM [ARGUMENT...]: a Win32 program started there, exit code in status
    started() {
        set +e
        (cd "$1" && shift && timeout --kill-after=10 120 wine "$@" <&5 >"$top/out" 2>"$top/err")
        status=$?
        set -e
    }
    # DIRECTORY [ARGUMENT...]: drillreport.exe started there in a console of its own
    run_alone() { started "$1" "$own_console" "$program" "${@:2}"; }
    # Each run is offered one key, taken back here when the run left it.
    key_left() { read -r -t 0 -u 5 && read -r -n 1 -u 5; }
    # PAGE: the handler, which runs beside the program, was given the page
    await_opened() {
        for _ in $(seq 600); do
            [ ! -s opened ] || break
            sleep 0.1
        done
        check_holds opened "$1"
        rm -f opened
    }
    # STATUS PAGE: the run's exit code and its line that says where the page is
    expect_page() {
        [ "$status" = "$1" ] || fail "exit code $status, expected $1: $(cat err)"
        check_holds out "Der Lernfortschritt ist gespeichert in $2"
    }

    case_name='started from the desktop'
    mkdir desktop
    cp pc1/tovu desktop/
    printf x >&5
    run_alone desktop
    page=$(windows_path "$top/desktop/$page_name")
    expect_page 0 "$page"
    check_holds "desktop/$page_name" '<!DOCTYPE html>^Jürgen^</html>'
    key_left || fail "waited for a key"
    await_opened "$page"

    case_name='two logs of two folders dropped onto it' # the page beside the first
    printf x >&5
    run_alone . "$(windows_path "$top/pc2/tovu")" "$(windows_path "$top/pc1/tovu")"
    page=$(windows_path "$top/pc2/$page_name")
    expect_page 0 "$page"
    check_holds "pc2/$page_name" '2 Protokolle, 10 Serien, 9 Namen^Müller, Lena'
    key_left || fail "waited for a key"
    await_opened "$page"

    case_name='a class folder and a missing log dropped onto it' # the page in it, a key awaited
    printf x >&5
    run_alone . "$(windows_path "$top/klasse")" fehlt
    page=$(windows_path "$top/klasse/$page_name")
    expect_page 1 "$page"
    check_holds "klasse/$page_name" '4 Protokolle, 14 Serien, 12 Namen'
    check_holds err "fehlt$unreadable"
    ! key_left || fail "did not wait for a key"
    await_opened "$page"

    # A folder this user cannot write in: root may write anywhere but in an immutable one,
    # which nothing could remove were it left so.
    trap 'chattr -i "$top/pc1" 2>/dev/null || true' EXIT
    if { [ "$(id -u)" = 0 ] && chattr +i pc1; } || { [ "$(id -u)" != 0 ] && chmod a-w pc1; }; then
        case_name='a read-only first folder, no browser' # the page in Documents, a key awaited
        browse_with 'Z:\nirgends\browser.exe "%1"'
        printf x >&5
        run_alone . "$(windows_path "$top/pc1/tovu")" "$(windows_path "$top/pc2/tovu")"
        page="$documents\\$page_name"
        expect_page 1 "$page"
        check_holds err "$page kann nicht im Webbrowser geöffnet werden."
        check_holds "dokumente/$page_name" '2 Protokolle, 10 Serien, 9 Namen'
        [ ! -e "pc1/$page_name" ] || fail "a page in the read-only folder"
        ! key_left || fail "did not wait for a key"
        chattr -i pc1 2>/dev/null || chmod u+w pc1
        browse_with "$recorder"
    else
        echo "no folder could be made read-only: no page in Documents" >&2
    fi

    case_name='started from the desktop without a log'
    mkdir nothing-here
    printf x >&5
    run_alone nothing-here
    [ "$status" = 1 ] || fail "exit code $status, expected 1"
    check_holds out 'Keine Serien gefunden.^Zum Schließen eine Taste drücken.'
    check_holds err "tovu$unreadable"
    ! key_left || fail "did not wait for a key"
    [ ! -e "nothing-here/$page_name" ] || fail "a page without series was written"

    # The launcher of the Start-menu entries, beside the program as installed, hands on what
    # is dropped onto an entry (a folder's name with a blank here), makes its folder at the
    # first start and ends with the program's exit code, every time.
    mkdir programme 'pc 3'
    cp "$launcher" "$program" programme/
    cp pc2/tovu 'pc 3/'
    case_name='two logs dropped onto the launcher'
    printf x >&5
    started . programme/drillstart.exe drillreport "$(windows_path "$top/pc 3/tovu")" \
        "$(windows_path "$top/pc1/tovu")"
    page=$(windows_path "$top/pc 3/$page_name")
    expect_page 0 "$page"
    check_holds "pc 3/$page_name" '2 Protokolle, 10 Serien, 9 Namen'
    [ -d "dokumente/$user_folder" ] || fail "the launcher made no folder in Documents"
    key_left || fail "waited for a key"
    await_opened "$page"
    case_name='the launcher again, a log missing'
    printf x >&5
    started . programme/drillstart.exe drillreport fehlt
    [ "$status" = 1 ] || fail "exit code $status, expected 1"
    check_holds err "fehlt$unreadable"
    ! key_left || fail "did not wait for a key"
    case_name='the launcher with a file in its folder'"'"'s place'
    rm -r "dokumente/$user_folder"
    : >"dokumente/$user_folder"
    started . programme/drillstart.exe drillreport
    [ "$status" = 1 ] || fail "exit code $status, expected 1"
    # shellcheck disable=SC1111 # the message's own German quotes
    check_holds err "drillstart: drillreport.exe kann nicht gestartet werden: Der Ordner „$documents\\$user_folder“ kann nicht angelegt werden."
    case_name='the launcher without a Documents folder' # where it would be, a file stands
    : >keine-dokumente
    wine reg add "$shell_folders" /v Personal /t REG_EXPAND_SZ \
        /d "$(windows_path "$top/keine-dokumente")\\dokumente" /f >/dev/null
    started . programme/drillstart.exe drillreport
    [ "$status" = 1 ] || fail "exit code $status, expected 1"
    # shellcheck disable=SC1111 # the message's own German quotes
    check_holds err "drillstart: drillreport.exe kann nicht gestartet werden: Es gibt keinen Ordner „Dokumente“."

    exec 5>&-
    wine reg add "$shell_folders" /v Personal /t REG_EXPAND_SZ /d "$documents_before" /f >/dev/null
    wine reg delete 'HKCR\drill.testpage' /f >/dev/null
    wine reg delete 'HKCR\.html' /f >/dev/null
fi
end_of_checks
