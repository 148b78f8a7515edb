# An X server of a script's own, sourced by the tests and scripts that show windows.
# shellcheck shell=bash
# start_x_server DIRECTORY: starts Xvfb (1024x768x24, no TCP) on a display it picks itself,
# so that several can run at once, and exports DISPLAY once it accepts clients; its log goes
# to DIRECTORY/xvfb.log. Returns 1, with that log on stderr, when it does not start. It never
# resets: by default X resets when its last client leaves, and refuses the clients that come
# meanwhile, such as the next program of a case that starts one after another.
# stop_x_server: ends it; for the caller's EXIT trap, harmless when none was started.
# stop_viewer_and_x_server: ends the program whose id the caller keeps in viewer_pid, then X.
xvfb_pid=''
viewer_pid=''

start_x_server() { # DIRECTORY
    local display=$1/display
    rm -f "$display"
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$display" >"$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$display" ] && break
        sleep 0.05
    done
    if [ ! -s "$display" ]; then
        echo "Xvfb did not start: $(cat "$1/xvfb.log")" >&2
        return 1
    fi
    DISPLAY=":$(head -n 1 "$display")"
    export DISPLAY
}

stop_x_server() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=''
}

stop_viewer_and_x_server() {
    [ -z "$viewer_pid" ] || kill "$viewer_pid" 2>/dev/null || true
    viewer_pid=''
    stop_x_server
}
