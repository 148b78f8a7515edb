#!/usr/bin/env bash
# cmake --install into a prefix whose name needs every kind of quoting a desktop entry knows,
# then both desktop entries started by a real launcher (gio) from another folder: drill, in a
# stand-in terminal, and drillview must both run in the home folder, where they meet through
# "tovu".
# Usage: packaging_install.sh BUILD_DIRECTORY CLOSE_REQUEST_TOOL WORK_DIRECTORY
set -euo pipefail
build=$1 close_request=$2 work=$3
title='Logfile by .::Zandrix::.'

rm -rf "$work"
prefix="$work/pre fix's \"quoted\" \`tick\` \$HOME %u"
home=$work/home elsewhere=$work/elsewhere tools=$work/tools
mkdir -p "$home" "$elsewhere" "$tools"
source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
trap stop_viewer_and_x_server EXIT
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

timeout 120 cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"
installed=$(cd "$prefix" && find . -type f | sort)
expected=$(sort <<'FILES'
./bin/drill
./bin/drillview
./share/applications/drill.desktop
./share/applications/drillview.desktop
./share/icons/hicolor/16x16/apps/drill.png
./share/icons/hicolor/32x32/apps/drill.png
./share/icons/hicolor/48x48/apps/drill.png
./share/icons/hicolor/32x32/apps/drillview.png
./share/icons/hicolor/48x48/apps/drillview.png
./share/icons/hicolor/128x128/apps/drillview.png
FILES
)
[ "$installed" = "$expected" ] || fail "installed:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"
applications=$prefix/share/applications
desktop-file-validate "$applications/drill.desktop" "$applications/drillview.desktop" ||
    fail "the desktop entries are not valid"

# The launcher finds nothing but the shell and a terminal that records how it was asked to
# run the program, then runs it.
ln -s "$(command -v sh)" "$tools/sh"
cat >"$tools/x-terminal-emulator" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$work/terminal.args"
[ "\$1" = -e ] && shift
exec "\$@"
EOF
chmod +x "$tools/x-terminal-emulator"
ln -s x-terminal-emulator "$tools/xterm"
launch() { # ENTRY
    (cd "$elsewhere" && timeout 30 env HOME="$home" PATH="$tools" "$(command -v gio)" launch \
        "$applications/$1.desktop" </dev/null >"$work/$1.launch" 2>&1) ||
        fail "gio launch $1.desktop: $(cat "$work/$1.launch")"
}

# drill reads the end of its input at once and ends; its two start records show where it ran.
launch drill
for _ in $(seq 100); do
    [ "$(wc -l <"$home/tovu" 2>/dev/null)" = 2 ] && break
    sleep 0.1
done
grep -q '^Startzeit:' "$home/tovu" 2>/dev/null || fail "drill wrote no log in the home folder"
[ ! -e "$elsewhere/tovu" ] || fail "drill ran in the launcher's folder"
[ -s "$work/terminal.args" ] || fail "drill was not started in a terminal"

start_x_server "$work" || fail "no X server"
launch drillview
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" | head -n 1) ||
    fail "no window titled '$title'"
viewer_pid=$(xdotool getwindowpid "$window")
[ "$(readlink "/proc/$viewer_pid/exe")" = "$prefix/bin/drillview" ] ||
    fail "the window is not the installed drillview's: $(readlink "/proc/$viewer_pid/exe")"
[ "$(readlink "/proc/$viewer_pid/cwd")" = "$home" ] ||
    fail "drillview runs in $(readlink "/proc/$viewer_pid/cwd"), not in the home folder"
# Not our child: ended once gone or a zombie.
running() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
"$close_request" "$window" || fail "close request not sent"
for _ in $(seq 100); do
    running "$viewer_pid" || break
    sleep 0.1
done
! running "$viewer_pid" || fail "drillview did not end on the close request"
viewer_pid=''
echo "PASS: installed, both entries start in the home folder"
