#!/usr/bin/env bash
# Sets up the Win32 tests' Wine prefix before they run, and stops its server after them.
# Usage: win32_wine_prefix.sh setup|shutdown   (WINEPREFIX and Wine's settings come from CTest)
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
unset DISPLAY # headless: no window for the prefix update either

case "${1:-}" in
setup)
    mkdir -p "$WINEPREFIX"
    # A server left over from an interrupted run would keep this prefix's old state.
    timeout --kill-after=10 60 wineserver --kill 2>/dev/null || true
    # Creates the prefix, or brings it up to date with the installed Wine, so that the tests
    # never race each other doing it. Wine's own services must not inherit CTest's output
    # pipe, or CTest would wait for them: their output goes to a file.
    log="$WINEPREFIX.log"
    if ! timeout --kill-after=10 300 wine wineboot --init </dev/null >"$log" 2>&1 ||
        ! timeout --kill-after=10 120 wineserver --wait </dev/null >>"$log" 2>&1 ||
        [ ! -f "$WINEPREFIX/system.reg" ]; then
        cat "$log"
        exit 1
    fi
    ;;
shutdown)
    # Ends whatever a failed or interrupted test left running in this prefix.
    timeout --kill-after=10 60 wineserver --kill || true
    ;;
*)
    echo "usage: $0 setup|shutdown" >&2
    exit 2
    ;;
esac
