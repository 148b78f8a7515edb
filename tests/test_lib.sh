# What the shell tests share, sourced by them.
# shellcheck shell=bash
# fail MESSAGE: reports a failure on stderr, naming case_name when the script has one. It
# ends the script with 1, unless the script set keep_going=1 to see every failure of a run:
# then it counts them in failures and goes on, and the script ends with end_of_checks.
failures=0
fail() {
    echo "FAIL${case_name:+ ($case_name)}: $*" >&2
    if [ "${keep_going:-0}" != 1 ]; then
        exit 1
    fi
    failures=$((failures + 1))
}

# Ends a keep_going script: 1 when any check failed.
end_of_checks() {
    exit $((failures > 0))
}

# expect_same EXPECTED ACTUAL WHAT: a failure, showing both files made visible, when they differ.
expect_same() {
    cmp -s "$1" "$2" && return 0
    fail "$3 differs from the expected bytes (< expected, > actual)"
    diff <(cat -v "$1") <(cat -v "$2") | head -n 40 || true
}

# The drill's records as drill writes them on Linux; drill.exe's end their lines in CR LF.
rule87=$(printf '%087d' 0 | tr 0 -)
# A series record's eight lines, as a printf format of NAME KIND LIMIT GRADE EXERCISES ERRORS END.
series_format="Name:..................%s\nArt:.......................%s\nSchwierigkeit:.......%s\n"
series_format+="Note:....................%s\nAufgaben:............%s\nFehler:..................%s\n"
series_format+="Endzeit:................%s\n$rule87\n"
series_record() { # NAME KIND LIMIT GRADE EXERCISES ERRORS END
    # shellcheck disable=SC2059 # the format is the record's
    printf "$series_format" "$@"
}
start_records() { # START [LOGGED]: the start and name-entry records
    printf 'Startzeit:..............%s\nLogzeit:...............%s\n' "$1" "${2:-$1}"
}
