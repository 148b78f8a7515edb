#!/usr/bin/env bash
# The .deb as a user gets it: built by CPack from the finished build, its control fields and
# dependencies, its changelog, its file list, its desktop entries and icons; then, unpacked,
# drill through a pipe and drillview on an X server of its own, ended by a close request. The
# package is left in WORK_DIRECTORY/out, unpacked in WORK_DIRECTORY/root, for the tests after.
# Usage: packaging_deb.sh CPACK_CONFIG VERSION CLOSE_REQUEST_TOOL WORK_DIRECTORY PROGRAM...
#   PROGRAM: the programs the package must hold (drill, drillview, drillreport)
set -euo pipefail
config=$1 version=$2 close_request=$3 work=$4
shift 4
title=${DRILL_VIEWER_TITLE:?the window title, from CTest}
package_name=${DRILL_PACKAGE_NAME:?the package name, from CTest}

rm -rf "$work"
mkdir -p "$work/run"
source "$(dirname "${BASH_SOURCE[0]}")/x_display.sh"
trap stop_viewer_and_x_server EXIT
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/packaging_files.sh"

timeout 300 cpack --config "$config" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(echo "$work"/out/*.deb)
[ "$(basename "$deb")" = "${package_name}_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "package file: $deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "$package_name" ] && [ "$(field Version)" = "$version" ] &&
    [ "$(field Section)" = games ] && [[ $(field Maintainer) =~ ^.+\ \<.+@.+\>$ ]] ||
    fail "control fields: $(dpkg-deb --field "$deb")"
# The libraries the programs link, as dpkg-shlibdeps found them.
depends=$(field Depends)
depended=$(sed -e 's/ *([^)]*)//g' -e 's/, */\n/g' <<<"$depends")
for package in libc6 libstdc++6 libfltk1.3 libx11-6; do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done
# The entry of drillreport opens its page with xdg-open and tells its messages with notify-send.
if [[ " $* " == *" drillreport "* ]]; then
    [ "$(field Recommends)" = "xdg-utils, libnotify-bin" ] || fail "Recommends: $(field Recommends)"
fi

listed=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/|./|' | sort)
expected=$(expected_files games "$@")
[ "$listed" = "$expected" ] || fail "file list:"$'\n'"$(diff <(echo "$expected") <(echo "$listed"))"

root=$work/root
dpkg-deb --extract "$deb" "$root"
for program in "$@"; do
    file -b "$root/usr/games/$program" | grep -q 'ELF .*, stripped$' || fail "$program is not stripped"
done
# A native package's changelog, its newest entry the package's version.
zcat "$root/usr/share/doc/$package_name/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's newest entry is not $version: $(head -n 1 "$work/changelog")"

# Each entry starts its program from /usr/games in the home folder.
applications=$root/usr/share/applications
desktop-file-validate "$applications"/*.desktop || fail "the desktop entries are not valid"
entry_has() { grep -qxF -- "$2" "$applications/$1.desktop" || fail "$1.desktop has no line '$2'"; }
for program in "$@"; do
    for key in 'Keywords=' 'Keywords\[de\]='; do
        grep -q "^$key." "$applications/$program.desktop" || fail "$program.desktop has no $key"
    done
done
# Each entry reads the class folder's setting, which the package ships as a conffile naming no
# folder (what settle does is seen in packaging_install.sh).
settings=/${DRILL_SETTINGS_PATH:?}
[ "$(dpkg-deb --info "$deb" conffiles)" = "$settings" ] || fail "conffiles: $(dpkg-deb -I "$deb")"
! grep -qv -e '^#' -e '^$' "$root$settings" || fail "a class folder is set: $(cat "$root$settings")"
for program in "$@"; do
    grep -qF "<'$settings'; " "$applications/$program.desktop" ||
        fail "$program.desktop does not read $settings"
done
for program in drill drillview; do
    grep -qF "settle && exec '/usr/games/$program'\"" "$applications/$program.desktop" ||
        fail "$program.desktop does not run /usr/games/$program"
done
entry_has drill 'Terminal=true'
entry_has drill 'Icon=drill'
entry_has drillview 'Terminal=false'
entry_has drillview 'Icon=drillview'
entry_has drillview 'Name[de]=Übungsprotokoll'
if [[ " $* " == *" drillreport "* ]]; then
    # What the command does is seen in packaging_install.sh; here, that it runs this one.
    grep -qF "('/usr/games/drillreport' --html " "$applications/drillreport.desktop" ||
        fail "drillreport.desktop does not run /usr/games/drillreport"
    entry_has drillreport 'Icon=drillreport'
    entry_has drillreport 'Name[de]=Lernfortschritt'
fi
for icon in "$root"/usr/share/icons/hicolor/*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    file -b "$icon" | grep -q "^PNG image data, ${size/x/ x }, 8-bit/color RGBA" ||
        fail "$icon: $(file -b "$icon")"
done

# The unpacked drill: a wrong answer, the series ended, then the end of input.
(cd "$work/run" && printf 'Anna\n1 1\n-1\n12345\n' | timeout 30 "$root/usr/games/drill" \
    >"$work/drill.out" 2>&1) || fail "drill ended with $?: $(cat "$work/drill.out")"
grep -q '= FALSCH!!!  Bisher 1 Fehler!$' "$work/drill.out" &&
    grep -q '^Name: Anna    Note: 6$' "$work/drill.out" || fail "drill said: $(cat "$work/drill.out")"
[ "$(wc -l <"$work/run/tovu")" -eq 10 ] && grep -qx 'Name:\.*Anna' "$work/run/tovu" &&
    grep -qx 'Fehler:\.*1' "$work/run/tovu" || fail "the log: $(cat "$work/run/tovu")"

# The unpacked drillview on that log, until the close request.
start_x_server "$work" || fail "no X server"
(cd "$work/run" && exec timeout 60 "$root/usr/games/drillview" >"$work/viewer.out" 2>&1) &
viewer_pid=$!
"$close_request" --title "$title" || fail "no window titled '$title' to close"
status=0
wait "$viewer_pid" || status=$?
viewer_pid=''
[ "$status" -eq 0 ] || fail "drillview ended with $status: $(cat "$work/viewer.out")"
echo "PASS: $(basename "$deb"), Depends: $depends"
