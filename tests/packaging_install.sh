#!/usr/bin/env bash
# cmake --install into a prefix whose name needs every kind of quoting a desktop entry knows,
# then the desktop entries started by a real launcher (gio) from another folder: drill, in a
# stand-in terminal, drillview, and drillreport's page opened by a stand-in browser must all
# run in the home folder, where they meet through "tovu"; with a class folder set, in the
# user's folder there, made at the first start, every start. The viewer's window has the class
# its entry names.
# Usage: packaging_install.sh BUILD_DIRECTORY CLOSE_REQUEST_TOOL WORK_DIRECTORY PROGRAM...
#   PROGRAM: the programs the install must hold (drill, drillview, drillreport)
set -euo pipefail
build=$1 close_request=$2 work=$3
shift 3
title=${DRILL_VIEWER_TITLE:?the window title, from CTest}
page=${DRILL_PAGE_NAME:?the page of the desktop entry, from CTest}

rm -rf "$work"
prefix="$work/pre fix's \"quoted\" \`tick\` \$HOME %u"
home=$work/home elsewhere=$work/elsewhere tools=$work/tools
mkdir -p "$home" "$elsewhere" "$tools"
source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
trap stop_viewer_and_x_server EXIT
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/packaging_files.sh"

timeout 120 cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"
installed=$(cd "$prefix" && find . -type f | sort)
expected=$(expected_files bin "$@")
[ "$installed" = "$expected" ] || fail "installed:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"
applications=$prefix/share/applications
desktop-file-validate "$applications"/*.desktop || fail "the desktop entries are not valid"

# The launcher finds nothing but the shell, ls, id, mkdir, and a terminal that records how it
# was asked to run the program, then runs it.
for tool in sh ls id mkdir; do
    ln -s "$(command -v "$tool")" "$tools/$tool"
done
cat >"$tools/x-terminal-emulator" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$work/terminal.args"
[ "\$1" = -e ] && shift
exec "\$@"
EOF
chmod +x "$tools/x-terminal-emulator"
ln -s x-terminal-emulator "$tools/xterm"
launch() { # ENTRY [HOME]
    (cd "$elsewhere" && timeout 30 env HOME="${2-$home}" PATH="$tools" "$(command -v gio)" launch \
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

# With a class folder, each start in the user's folder there: made at the first, used again.
settings=$prefix/${DRILL_SETTINGS_PATH:?}
cp "$settings" "$work/settings"
printf '%s\n' "$work/klasse/" >>"$settings"
mkdir "$work/klasse"
own=$work/klasse/$(id -un)
for starts in 2 4; do
    launch drill
    for _ in $(seq 100); do
        [ "$(wc -l <"$own/tovu" 2>/dev/null)" = "$starts" ] && break
        sleep 0.1
    done
    [ "$(grep -c '^Startzeit:' "$own/tovu" 2>/dev/null)" = $((starts / 2)) ] ||
        fail "drill did not log in the class folder, start $((starts / 2))"
done
[ "$(wc -l <"$home/tovu")" = 2 ] || fail "drill logged at home with a class folder"
cp "$work/settings" "$settings"

# drillreport writes its page in the home folder and hands it to the desktop's browser.
if [[ " $* " == *" drillreport "* ]]; then
    cat >"$tools/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$PWD" "\$@" >"$work/browser.args"
EOF
    chmod +x "$tools/xdg-open"
    launch drillreport
    for _ in $(seq 100); do
        [ -s "$work/browser.args" ] && break
        sleep 0.1
    done
    [ "$(cat "$work/browser.args" 2>/dev/null)" = "$home"$'\n'"$page" ] ||
        fail "the browser was not asked for the page in the home folder"
    [ -s "$home/$page" ] || fail "drillreport wrote no page in the home folder"

    # A page that cannot be written, and no home folder: the error is told, no page opened.
    cat >"$tools/notify-send" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$work/note.args"
EOF
    chmod +x "$tools/notify-send"
    mv "$home/$page" "$home/old.html"
    mkdir "$home/$page"
    for case in "$page ist keine gewöhnliche Datei|$home" \
        "Dein persönlicher Ordner (HOME) ist nicht zu finden.|" \
        "Dein persönlicher Ordner (HOME) ist nicht zu finden.|$home/old.html"; do
        rm -f "$work/browser.args" "$work/note.args"
        launch drillreport "${case#*|}"
        for _ in $(seq 100); do
            [ -s "$work/note.args" ] && break
            sleep 0.1
        done
        grep -qF "${case%%|*}" "$work/note.args" 2>/dev/null ||
            fail "HOME=${case#*|}: not told '${case%%|*}': $(cat "$work/note.args" 2>/dev/null)"
        [ ! -e "$work/browser.args" ] || fail "HOME=${case#*|}: a page was opened"
    done
    [ -z "$(ls "$elsewhere")" ] || fail "drillreport wrote in the launcher's folder"
fi

start_x_server "$work" || fail "no X server"
launch drillview
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" | head -n 1) ||
    fail "no window titled '$title'"
viewer_pid=$(xdotool getwindowpid "$window")
[ "$(readlink "/proc/$viewer_pid/exe")" = "$prefix/bin/drillview" ] ||
    fail "the window is not the installed drillview's: $(readlink "/proc/$viewer_pid/exe")"
[ "$(readlink "/proc/$viewer_pid/cwd")" = "$home" ] ||
    fail "drillview runs in $(readlink "/proc/$viewer_pid/cwd"), not in the home folder"
# A dock tells the entry's window by its class (WM_CLASS: instance, class).
class=$(sed -n 's/^StartupWMClass=//p' "$applications/drillview.desktop")
xprop -id "$window" WM_CLASS | grep -qF "= \"$class\", " ||
    fail "the window's class is not the entry's '$class': $(xprop -id "$window" WM_CLASS)"
# Not our child: ended once gone or a zombie.
running() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
"$close_request" "$window" || fail "close request not sent"
for _ in $(seq 100); do
    running "$viewer_pid" || break
    sleep 0.1
done
! running "$viewer_pid" || fail "drillview did not end on the close request"
viewer_pid=''
echo "PASS: installed, every entry starts in the home folder"
