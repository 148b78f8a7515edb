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
