#!/usr/bin/env bash
# drill.exe end to end under Wine: the exact code page 850 bytes of whole dialogues read from a
# file and from a pipe, the learner's name as shown and as logged, the characters on a real
# console whatever its code page, the log's records with CR LF line ends, and a FIFO as the log.
# Usage: win32_drill_e2e.sh file|pipe|names|console|fifo DRILL_EXE WORK_DIRECTORY
# (WINEPREFIX and Wine's quiet settings come from CTest.)
set -euo pipefail
run=$1
exe=$(realpath "$2")
work=$3
export LC_ALL=C # bytes are bytes for grep, sed and the expected texts
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
unset DISPLAY
rm -rf "$work"
mkdir -p "$work"
cd "$work"

tests=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
source "$tests/test_lib.sh"
keep_going=1

expect_bytes() { # FILE EXPECTED WHAT: the file compared with the expected bytes
    printf '%s' "$2" >"$1.expected"
    expect_same "$1.expected" "$1" "$3"
}

# The exercise operands are random: mask them, keeping the exercise number and the rest. The
# runs multiply below 10 and square below 10000; an operand out of range stays unmasked.
mask_exercises() {
    sed -E -e $'s/^(Nr\\.[0-9]+:   )[0-9] \xfa [0-9] = /\\1# \xfa # = /' \
        -e $'s/^(Nr\\.[0-9]+:   )[0-9]{1,4}\xfd = /\\1#\xfd = /'
}
mask_times() { # the log, or nothing when there is none
    [ -f tovu ] || return 0
    sed -E 's/(Mon|Tue|Wed|Thu|Fri|Sat|Sun) [A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}/<time>/' tovu
}

count_in() { grep -a -o -F -- "$2" "$1" | wc -l; }
count_lines() { grep -a -c -x -F -- "$2" "$1" || true; } # whole lines, CR included

# Waits until TEXT has appeared COUNT times in FILE, while the process PID lives; bounded.
wait_for() { # FILE TEXT COUNT PID
    local _
    for _ in $(seq 600); do
        [ "$(count_in "$1" "$2")" -ge "$3" ] && return 0
        kill -0 "$4" 2>/dev/null || break
        sleep 0.1
    done
    [ "$(count_in "$1" "$2")" -ge "$3" ] && return 0
    fail "gave up waiting for '$2' (${3} times); the output so far:"
    cat -v "$1"
    return 1
}

# dialogue_lines NAME...: those texts of dialogue_texts.txt, line by line, as kept there.
dialogue_lines() {
    local name
    for name; do
        awk -v name="[$name]" '/^\[/ { on = $0 == name; next } on' "$tests/dialogue_texts.txt"
    done
}
# The texts in code page 850 with CR LF line ends, as a redirected drill.exe writes them, each in
# a variable of its name; those with numbers are printf formats.
eol=$'\r\n'
for name in banner kindMenu kindRule levelMenu levelRule rejected right wrong notAWholeNumber \
    report; do
    text=$(dialogue_lines "$name" | iconv -f UTF-8 -t CP850 && printf .)
    text=${text%$'\n.'} # the text's last line has no line end
    printf -v "$name" '%s' "${text//$'\n'/$eol}"
done
menu="${kindMenu}${kindRule}${levelMenu}${levelRule}"
printf -v right "$right" 0 # the runs below answer right before any error, and err once
printf -v wrong "$wrong" 1
times=$'# \xfa # = '
squared=$'#\xfd = '

# PAUSE writes the interpreter's own prompt, in Wine's language: ask the interpreter for it.
pause_prompt=$(timeout --kill-after=10 60 wine cmd /c "PAUSE <NUL" && printf .)
pause_prompt=${pause_prompt%.}
[ -n "$pause_prompt" ] || fail "the interpreter's PAUSE wrote no prompt"
rejected+="${pause_prompt}${eol}"

# expected_log [NAME KIND LIMIT GRADE EXERCISES ERRORS]...: the start records and these series
# in tovu.expected, times masked, with CR LF line ends.
expected_log() {
    {
        start_records '<time>'
        while [ $# -gt 0 ]; do
            series_record "${@:1:6}" '<time>'
            shift 6
        done
    } | sed 's/$/\r/' >tovu.expected
}
reported() { # ANSWERED ERRORS PERCENT NAME GRADE: appends the report and its pause to expected
    local text
    printf -v text "$report" "$@"
    expected+="${text}${pause_prompt}${eol}${eol}"
}

run_from_file() { # INPUT: the whole input is in the file before drill.exe starts
    printf '%s' "$1" >input
    set +e
    timeout --kill-after=10 120 wine "$exe" <input >output 2>errors
    status=$?
    set -e
    [ "$status" -eq 0 ] || fail "exit code $status, expected 0"
}

case "$run" in
file)
    # A CR LF name, a rejected kind, a word where a number belongs, a wrong answer and 12345;
    # then squares up to 10000, the input ending in the middle of the series.
    run_from_file $'Max\r\n9\n3 1\nabc\n-1\n12345\n5 5\n-1\n'
    expected="${banner}${kindMenu}${kindRule}${rejected}${menu}"
    expected+="Nr.1:   ${times}${notAWholeNumber}"
    expected+="Nr.1:   ${times}${wrong}Nr.2:   ${times}${eol}"
    reported 1 1 100 Max 6
    expected+="${menu}Nr.1:   ${squared}${wrong}Nr.2:   ${squared}${eol}"
    reported 1 1 100 Max 6
    mask_exercises <output >output.masked
    expect_bytes output.masked "$expected" "the dialogue"
    expected_log Max 3 10 6 1 1 Max 5 10000 6 1 1
    mask_times >tovu.masked
    expect_same tovu.expected tovu.masked "the log"
    ;;
pipe)
    # A learner at the other end of a pipe, answer by answer. The pause after the rejected kind
    # must neither wait on the open pipe nor take a byte of the next answer.
    mkfifo input
    timeout --kill-after=10 120 wine "$exe" <input >output 2>errors &
    drill=$!
    exec 3>input
    answer_exercise() { # the line is written whole before drill.exe reads: answer it right
        local operands first second
        operands=$(sed -n -E $'s/^Nr\\.1:   ([0-9]+) \xfa ([0-9]+) = $/\\1 \\2/p' output)
        read -r first second <<<"${operands:-x x}"
        [[ $first =~ ^[0-9]$ && $second =~ ^[0-9]$ ]] || {
            fail "no exercise of level 1 in '$operands'"
            return 1
        }
        printf '%d\n' $((first * second)) >&3
    }
    printf 'Eva\n' >&3 &&
        wait_for output "Artnummer: " 1 "$drill" && printf '9\n' >&3 &&
        wait_for output "Artnummer: " 2 "$drill" && printf '3 1\n' >&3 &&
        wait_for output $' = ' 1 "$drill" && answer_exercise &&
        wait_for output $' = ' 2 "$drill" && printf '12345\n' >&3 &&
        wait_for output "Artnummer: " 3 "$drill" || true
    exec 3>&-
    set +e
    wait "$drill"
    status=$?
    set -e
    [ "$status" -eq 0 ] || fail "exit code $status, expected 0"
    expected="${banner}${kindMenu}${kindRule}${rejected}${menu}"
    expected+="Nr.1:   ${times}${right}Nr.2:   ${times}${eol}"
    reported 1 0 0 Eva 1
    expected+="${kindMenu}${eol}"
    mask_exercises <output >output.masked
    expect_bytes output.masked "$expected" "the dialogue"
    expected_log Eva 3 10 1 1 0
    mask_times >tovu.masked
    expect_same tovu.expected tovu.masked "the log"
    ;;
names)
    # The name as typed, in UTF-8 or in the console's code page: shown in code page 850 where
    # it is UTF-8, byte for byte otherwise; logged as typed, without the CR. Control bytes are
    # stored as blanks (logged defaults to typed), so the series record keeps its eight lines.
    while IFS='|' read -r what typed shown logged; do
        typed=$(printf '%b' "$typed")
        shown=$(printf '%b' "$shown")
        logged=$(printf '%b' "${logged:-$typed}")
        rm -f tovu
        run_from_file "${typed}"$'\r\n3 1\n-1\n'
        [ "$(count_lines output "Name: ${shown}    Note: 6"$'\r')" -eq 1 ] ||
            fail "$what: the report does not show the name as $(printf '%s' "$shown" | od -An -c)"
        [ "$(count_lines tovu "Name:..................${logged}"$'\r')" -eq 1 ] ||
            fail "$what: the log does not hold the name as $(printf '%s' "$logged" | od -An -c)"
        [ "$(wc -l <tovu)" -eq 10 ] || fail "$what: the log is not 10 lines long"
    done <<'NAMES'
UTF-8 umlaut|J\xc3\xb6rg|J\x94rg
code page 850 umlaut|J\x94rg|J\x94rg
UTF-8 accent and a stray byte|Ren\xc3\xa9 \xff|Ren\x82 \xff
blanks kept|Anna Lena  Berg|Anna Lena  Berg
a cut-off UTF-8 sequence at the end|Zo\xc3|Zo\xc3
a forged record|Eve\rNote:....1\rAufgaben:...500|Eve Note:....1 Aufgaben:...500|Eve Note:....1 Aufgaben:...500
control bytes and DEL|A\x01B\x1b\x7fC\tD|A B  C D|A B  C D
NAMES
    ;;
console)
    # A real console, through a pseudo-terminal, set to code page 1252: code page 850 bytes
    # would show as other characters there, wide characters show as themselves.
    cp "$exe" drill.exe
    mkfifo keys
    LC_ALL=C.UTF-8 timeout --kill-after=10 120 script -qfec \
        'wine cmd /c "chcp 1252 >NUL & drill.exe"' /dev/null <keys >terminal 2>errors &
    terminal=$!
    exec 3>keys
    prompt=${pause_prompt%% *}
    # The key that ends the pause is taken by the pause: were it left over, the next line
    # would read "x3 1" and be rejected.
    wait_for terminal "Name:" 1 "$terminal" && printf 'J\xc3\xb6rg\r' >&3 &&
        wait_for terminal "Artnummer:" 1 "$terminal" && printf '9\r' >&3 &&
        wait_for terminal "$prompt" 1 "$terminal" && printf 'x' >&3 &&
        wait_for terminal "Artnummer:" 2 "$terminal" && printf '3 1\r' >&3 &&
        wait_for terminal "Nr.1:" 1 "$terminal" && printf -- '-1\r' >&3 &&
        wait_for terminal "FALSCH" 1 "$terminal" && printf '12345\r' >&3 &&
        wait_for terminal "$prompt" 2 "$terminal" && printf 'x' >&3 &&
        wait_for terminal "Artnummer:" 3 "$terminal" || true
    # The drill ends when its console goes away; a PAUSE would stay behind, waiting for it.
    kill "$terminal" 2>/dev/null || true
    wait "$terminal" || true
    exec 3>&-
    # What the terminal shows, without Wine's cursor controls and CRs.
    sed -E $'s/\x1b\\[[0-9;?]*[A-Za-z]//g' terminal | tr -d '\r' >screen
    # Each line of the texts with a character beyond ASCII, the wrong answer and the report.
    while IFS= read -r line; do
        grep -q -F -x -- "$line" screen || fail "the console does not show '$line'"
    done < <(dialogue_lines kindMenu rejected levelRule | grep -a '[^ -~]'
        printf "$(dialogue_lines wrong)\n$(dialogue_lines report)\n" 1 1 1 100 Jörg 6)
    grep -q -E $'^Nr\\.1:   [0-9] \xc2\xb7 [0-9] =' screen ||
        fail "the console shows no exercise line with a middle dot"
    [ "$(count_in screen "ungültig")" -eq 1 ] || fail "the key of the pause was left as input"
    # The console hands the name over in its code page, and the log keeps those bytes.
    [ "$(count_lines tovu $'Name:..................J\xf6rg\r')" -eq 1 ] ||
        fail "the log does not hold the name in the console's code page 1252"
    [ "$failures" -eq 0 ] || cat screen
    ;;
fifo)
    # A FIFO as the log, never opened for reading, then held open but full: drill.exe neither
    # waits for a reader nor for room, loses its records, and the dialogue goes on.
    for holder in none full; do
        rm -f tovu
        mkfifo tovu
        if [ "$holder" = full ]; then
            exec 3<>tovu
            dd if=/dev/zero of=tovu bs=4096 count=16 oflag=nonblock status=none 2>/dev/null || true
        fi
        run_from_file $'Eva\n3 1\n-1\n12345\n'
        [ "$(count_in output "Name: Eva    Note: 6")" -eq 1 ] ||
            fail "FIFO $holder: the dialogue did not go on to the report"
        if [ "$holder" = full ]; then exec 3>&-; fi
    done
    ;;
*)
    echo "unknown run '$run'" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "$run: passed"
