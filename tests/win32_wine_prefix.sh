#!/usr/bin/env bash
# Sets up the Win32 tests' Wine prefix before they run, and lets Wine go after them: the
# shutdown ends once Wine's server has.
# Usage: win32_wine_prefix.sh setup|shutdown   (WINEPREFIX and Wine's settings come from CTest)
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
unset DISPLAY # headless: no window for the prefix update either
keeper="$WINEPREFIX.keeper"
log="$WINEPREFIX.log"

# Ends the keeper's PAUSE with a key. Opened for reading and writing, the pipe never blocks,
# even when no keeper is left; the keeper holds it open, so the key waits there for it.
releaseKeeper() {
    [ -p "$keeper" ] || return 0
    exec 3<>"$keeper"
    printf x >&3
    exec 3>&-
    rm -f "$keeper"
}

case "${1:-}" in
setup)
    releaseKeeper # one left by an interrupted run
    mkdir -p "$WINEPREFIX"
    # Wine's server and services must never inherit a test's output pipe, or CTest waits for
    # them to end: whatever of them starts here writes to a file.
    # Creates the prefix, or brings it up to date with the installed Wine, once.
    if ! timeout --kill-after=10 300 wine wineboot --init </dev/null >"$log" 2>&1 ||
        [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
        cat "$log"
        exit 1
    fi
    # Keeps the server and the services running until the shutdown, at most an hour: a PAUSE
    # reading a pipe that only the shutdown writes to. Else every test would start them anew.
    mkfifo "$keeper"
    setsid timeout --kill-after=10 3600 wine cmd /c PAUSE <>"$keeper" >>"$log" 2>&1 &
    # Wine is ready once a program started now finds the services running.
    if ! timeout --kill-after=10 120 wine cmd /c exit </dev/null >>"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    ;;
shutdown)
    releaseKeeper
    # Wine's server ends a few seconds after its last program. Until it has, it may still write
    # to the prefix, and a set-up after it would find it half gone: wait for its end.
    timeout 60 wineserver -w || { echo "Wine's server did not end within a minute" >&2; exit 1; }
    ;;
*)
    echo "usage: $0 setup|shutdown" >&2
    exit 2
    ;;
esac
