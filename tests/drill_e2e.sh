#!/usr/bin/env bash
# The drill end to end, natively and drill.exe under Wine, from one table of runs: the exact
# bytes of whole dialogues and of the log after input from a file, from a pipe written at once
# and from a learner answering through a pipe; output nobody reads, a FIFO as the log, and the
# learner's name as shown and as logged. drill.exe writes the texts in code page 850 with CR LF
# line ends, ends the log's lines in CR LF and pauses with the command interpreter's PAUSE. The
# console run (Win32) shows the characters on a real console whatever its code page.
# Usage: drill_e2e.sh native|win32 table|console DRILL WORK_DIRECTORY
# (WINEPREFIX and Wine's quiet settings come from CTest.)
set -euo pipefail
platform=$1
run=$2
exe=$(realpath "$3")
work=$4
tests=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
export LC_ALL=C # bytes are bytes for grep, sed and the expected texts
rm -rf "$work"
mkdir -p "$work"
cd "$work"

source "$tests/test_lib.sh"
keep_going=1

if [ "$platform" = win32 ]; then
    : "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
    unset DISPLAY
    drill() { timeout --kill-after=10 120 wine "$exe"; }
    encoded() { iconv -f UTF-8 -t CP850; }
    eol=$'\r\n'
    # PAUSE writes the interpreter's own prompt, in Wine's language: ask the interpreter for it.
    pause=$(timeout --kill-after=10 60 wine cmd /c "PAUSE <NUL" && printf .)
    pause=${pause%.}
    [ -n "$pause" ] || fail "the interpreter's PAUSE wrote no prompt"
else
    drill() { timeout --kill-after=10 120 "$exe"; }
    encoded() { cat; }
    eol=$'\n'
fi

# dialogue_lines NAME...: those texts of dialogue_texts.txt, line by line, as kept there.
dialogue_lines() {
    local name
    for name; do
        awk -v name="[$name]" '/^\[/ { on = $0 == name; next } on' "$tests/dialogue_texts.txt"
    done
}
# The texts as the platform's drill writes them, in text[NAME]; those with numbers are printf
# formats, filled in after encoding, so that a name reaches the output as its bytes.
declare -A text
for name in banner kindMenu kindRule levelMenu levelRule rejected right wrong notAWholeNumber \
    report pausePrompt; do
    line=$(dialogue_lines "$name" | encoded && printf .)
    line=${line%$'\n.'} # the text's last line has no line end
    text[$name]=${line//$'\n'/$eol}
done
[ "$platform" = win32 ] || pause="${text[pausePrompt]}$eol"
dot=$(printf '\xc2\xb7' | encoded)
square=$(printf '\xc2\xb2' | encoded)

# The exercise operands are random: mask them, keeping the exercise number and the rest. The
# runs multiply below 10, add and square below 10000; an operand out of range stays unmasked.
mask_exercises() {
    sed -E -e "s/^(Nr\\.[0-9]+:   )[0-9] $dot [0-9] = /\\1# $dot # = /" \
        -e 's/^(Nr\.[0-9]+:   )[0-9]{1,4} \+ [0-9]{1,4} = /\1# + # = /' \
        -e "s/^(Nr\\.[0-9]+:   )[0-9]{1,4}$square = /\\1#$square = /" output
}
time_pattern='s/(Mon|Tue|Wed|Thu|Fri|Sat|Sun) [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}/<time>/'

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

# The learner at the other end of a pipe: each line of the input written once the drill has
# asked for it ("Name: ", "Artnummer: " or " = " as often as lines were written before), "="
# as the product of the exercise shown; after the last line, the kind menu is awaited.
answer_through_pipe() { # INPUT
    mkfifo input
    drill <input >output 2>errors &
    local drill=$! line asked=0 menus operands first second
    exec 3>input
    while IFS= read -r line; do
        asked=$((asked + 1))
        until [ "$(grep -a -o -F -e 'Name: ' -e 'Artnummer: ' -e ' = ' output | wc -l)" -ge "$asked" ]; do
            kill -0 "$drill" 2>/dev/null || break 2
            sleep 0.1
        done
        if [ "$line" = "=" ]; then
            operands=$(sed -n -E "s/^Nr\\.[0-9]+:   ([0-9]+) $dot ([0-9]+) = \$/\\1 \\2/p" output)
            read -r first second <<<"${operands:-0 0}"
            line=$((first * second))
        fi
        menus=$(count_in output "Artnummer: ")
        printf '%s\n' "$line" >&3
    done <<<"${1%$'\n'}"
    wait_for output "Artnummer: " $((menus + 1)) "$drill" || true
    exec 3>&-
    wait "$drill"
}

# The dialogue a run's words stand for: a text's name, "menu" for the kind and level menus,
# "rejected" with its pause, "right:N" and "wrong:N" with the errors so far, an exercise as its
# number and sign ("2+", "1·", "1²"), "eol" for a line end, and "report:PERCENT" for the next
# series' report and its pause, the name as the report shows it.
expected_dialogue() { # WORDS SHOWN_NAME SERIES...
    # shellcheck disable=SC2059 # the formats are the dialogue's
    local word filled words=$1 shown=$2 answered errors grade
    shift 2
    expected=""
    for word in $words; do
        case $word in
        menu) expected+="${text[kindMenu]}${text[kindRule]}${text[levelMenu]}${text[levelRule]}" ;;
        rejected) expected+="${text[rejected]}$pause$eol" ;;
        right:* | wrong:*) printf -v filled "${text[${word%:*}]}" "${word#*:}" && expected+=$filled ;;
        eol) expected+=$eol ;;
        report:*)
            IFS=, read -r _ _ _ grade answered errors <<<"$1"
            shift
            printf -v filled "${text[report]}" "$answered" "$errors" "${word#*:}" "$shown" "$grade"
            expected+="$filled$pause$eol$eol"
            ;;
        [0-9]*²) expected+="Nr.${word%%[!0-9]*}:   #$square = " ;;
        [0-9]*) expected+="Nr.${word%%[!0-9]*}:   # $(printf '%s' "${word##*[0-9]}" | encoded) # = " ;;
        *) expected+=${text[$word]} ;;
        esac
    done
}

# One run of the table: the log made as BEFORE says, the input fed, then the masked output and
# log compared with what the words and series say, each series "NAME,KIND,LIMIT,GRADE,
# EXERCISES,ERRORS" and all after the run's start records. Where the report shows the name
# otherwise than as logged (drill.exe, whose output is code page 850), SHOWN says how.
check_run() { # FEED WHAT BEFORE INPUT WORDS SERIES [SHOWN]
    local feed=$1 before=$3 input words=$5 series=() record shown status=0
    case_name=$2
    printf -v input '%b' "$4"
    IFS=';' read -r -a series <<<"${6:-}"
    rm -f input output errors
    case $before in
    kept) ;;
    -) rm -f tovu && : >tovu.expected ;;
    *fifo) rm -f tovu && mkfifo tovu ;;
    *) printf '%b' "$before" >tovu && cp tovu tovu.expected ;;
    esac
    if [ "$before" = 'full fifo' ]; then
        exec 4<>tovu
        dd if=/dev/zero of=tovu bs=4096 count=16 oflag=nonblock status=none 2>/dev/null || true
    fi
    set +e
    case $feed in
    file) printf '%s' "$input" >input && drill <input >output 2>errors ;;
    pipe) printf '%s' "$input" | drill >output 2>errors ;;
    closed) exec 5> >(:) && wait $! && printf '%s' "$input" | drill >&5 2>errors ;;
    answered) answer_through_pipe "$input" ;;
    esac
    status=$?
    set -e
    [ "$before" != 'full fifo' ] || exec 4>&-
    [ "$feed" != closed ] || exec 5>&-
    [ "$status" -eq 0 ] || fail "exit code $status, expected 0"
    if [ "$words" != - ]; then
        record=${series[0]:-}
        shown=${record%%,*}
        [ "$platform" != win32 ] || shown=${7:-$shown}
        printf -v shown '%b' "$shown"
        expected_dialogue "$words" "$shown" "${series[@]}"
        printf '%s' "$expected" >output.expected
        mask_exercises >output.masked
        expect_same output.expected output.masked "the dialogue"
    fi
    [[ $before != *fifo ]] || return 0
    {
        start_records '<time>'
        for record in "${series[@]}"; do
            IFS=, read -r -a record <<<"$(printf '%b' "$record")"
            series_record "${record[@]}" '<time>'
        done
    } | sed "s/\$/${eol%$'\n'}/" >>tovu.expected
    sed -E "$time_pattern" tovu >tovu.masked
    expect_same tovu.expected tovu.masked "the log"
}

case "$run" in
table)
    # FEED|WHAT|LOG BEFORE (- for none, kept from the run before, a FIFO)|INPUT|WORDS|SERIES
    while IFS='|' read -r -a row; do
        check_run "${row[@]}"
    done <<'RUNS'
pipe|a whole session: a CR LF name, a word for a number, two errors|-|Anna Lena\r\n1 4\n-1\nzwei\n-1\n12345\n|banner menu 1+ wrong:1 2+ notAWholeNumber 2+ wrong:2 3+ eol report:100 kindMenu eol|Anna Lena,1,1000,6,2,2
file|a rejected kind, then squares until the input ends in a series|-|Max\r\n9\n3 1\nabc\n-1\n12345\n5 5\n-1\n|banner kindMenu kindRule rejected menu 1· notAWholeNumber 1· wrong:1 2· eol report:100 menu 1² wrong:1 2² eol report:100|Max,3,10,6,1,1;Max,5,10000,6,1,1
answered|the pauses neither wait on the open pipe nor take a byte of the answer after|-|Eva\n9\n3 1\n=\n12345\n|banner kindMenu kindRule rejected menu 1· right:0 2· eol report:0 kindMenu eol|Eva,3,10,1,1,0
pipe|runs append their start records to earlier bytes|earlier bytes\r\n||banner kindMenu eol|
pipe|a name, then the input ends in the menu|kept|Jo\n|banner kindMenu eol|
pipe|12345 as the first answer: no series|kept|Jo\n1 1\n12345\n|banner menu 1+ eol kindMenu eol|
closed|output nobody reads|-|Jo\n1 1\n-1\n12345\n|-|Jo,1,10,6,1,1
file|a FIFO as the log, never opened for reading|fifo|Eva\n3 1\n-1\n12345\n|banner menu 1· wrong:1 2· eol report:100 kindMenu eol|Eva,3,10,6,1,1
file|a FIFO as the log, held open but full|full fifo|Eva\n3 1\n-1\n12345\n|banner menu 1· wrong:1 2· eol report:100 kindMenu eol|Eva,3,10,6,1,1
RUNS
    # The name as typed, in UTF-8 or in the console's code page: logged as typed, without the
    # CR, and shown so natively; drill.exe shows it in code page 850 where it is UTF-8, byte for
    # byte otherwise. Control bytes are stored as blanks (logged defaults to typed).
    while IFS='|' read -r what typed shown logged; do
        check_run file "$what" - "$typed\\r\\n3 1\\n-1\\n" "banner menu 1· wrong:1 2· eol report:100" \
            "${logged:-$typed},3,10,6,1,1" "$shown"
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
    prompt=${pause%% *}
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
*)
    echo "unknown run '$run'" >&2
    exit 2
    ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "$platform $run: passed"
