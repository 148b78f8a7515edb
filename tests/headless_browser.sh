# A page photographed by a real browser without a display, sourced by the tests and scripts
# that need one.
# shellcheck shell=bash
# render_page PAGE PNG WIDTH HEIGHT: Debian's chromium, headless, kept off the network, with
# a fresh profile each time; the picture is the top WIDTH x HEIGHT of the page. Bounded; 1,
# with the browser's output on stderr, when no picture came out.
render_page() {
    local profile status=0
    profile=$(mktemp -d)
    rm -f "$2"
    timeout --kill-after=10 120 chromium --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --hide-scrollbars --user-data-dir="$profile/profile" --window-size="$3,$4" \
        --screenshot="$(realpath -m "$2")" "file://$(realpath "$1")" >"$profile/log" 2>&1 ||
        status=$?
    if [ "$status" -ne 0 ] || [ ! -s "$2" ]; then
        echo "chromium ended with $status and no picture: $(tail -n 20 "$profile/log")" >&2
        status=1
    fi
    rm -rf "$profile"
    return "$status"
}
