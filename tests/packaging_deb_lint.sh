#!/usr/bin/env bash
# Debian's own checks of the .deb that packaging_deb.sh made: lintian finds no error and no
# warning, hardening-check finds every protection in the programs, appstreamcli validates the
# AppStream components, and man renders every manual page without a warning and finds it in
# English and in German.
# Usage: packaging_deb_lint.sh DEB_WORK_DIRECTORY BUILD_DIRECTORY PROGRAM...
set -euo pipefail
work=$1 build=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
docs=$(dirname "${BASH_SOURCE[0]}")/../docs
deb=$(echo "$work"/out/*.deb) root=$work/root
[ -f "$deb" ] && [ -d "$root" ] || fail "no .deb unpacked in $work (packaging_deb runs first)"
keep_going=1

# Informational and pedantic tags may stay only where this list says why:
# - drillview is built with _FORTIFY_SOURCE like the others (hardening-check sees drill's
#   checked calls), but its only calls of checkable functions (read, memcpy, memmove) write
#   into buffers whose size the compiler cannot see, so none can become a checked call.
# - lintian's spelling check reads the German words "Serie" and "Tage" of drillreport's
#   texts as misspelt English ones.
package_name=${DRILL_PACKAGE_NAME:?the package name, from CTest}
allowed="I: $package_name: hardening-no-fortify-functions [usr/games/drillview]
I: $package_name: spelling-error-in-binary Serie Series [usr/games/drillreport]
I: $package_name: spelling-error-in-binary Tage Stage [usr/games/drillreport]"
lintian --fail-on none -I --pedantic "$deb" >"$work/lintian.out" 2>"$work/lintian.err" ||
    fail "lintian did not run: $(cat "$work/lintian.err")"
while read -r tag; do
    grep -qxF -- "$tag" <<<"$allowed" || fail "lintian: $tag"
done < <(grep -E '^[EWIPX]: ' "$work/lintian.out")

# Control-flow protection marks a program only when every object linked carries the mark;
# the C library's start files of Debian 12 do not, so there our own objects must carry it.
cet=()
if [ "$(uname -m)" = x86_64 ] &&
    ! readelf -n "$(g++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK'; then
    cet=(--nocfprotection)
    for object in "$build"/{drill,drillview,drillreport}/CMakeFiles/*.dir/*.o; do
        [ -e "$object" ] || continue
        readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK' ||
            fail "$object has no control-flow protection"
    done
fi
for program in "$@"; do
    fortify=()
    [ "$program" != drillview ] || fortify=(--nofortify) # see the lintian list above
    hardening-check "${cet[@]}" "${fortify[@]}" "$root/usr/games/$program" >"$work/hardening.out" ||
        fail "hardening-check: $(cat "$work/hardening.out")"
done

metainfo=$root/usr/share/metainfo
appstreamcli validate --no-net --pedantic "$metainfo"/*.metainfo.xml >"$work/appstream.out" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream.out")"
for program in "$@"; do
    component=$metainfo/org.example.$program.metainfo.xml
    grep -qF "<launchable type=\"desktop-id\">$program.desktop</launchable>" "$component" ||
        fail "$component does not launch $program.desktop"
    # The screenshots are the README's pictures, published with it.
    for image in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$component"); do
        [ -f "$docs/$image" ] || fail "$component shows $image, which docs/ lacks"
    done
done

man=$root/usr/share/man
for page in "$man"/man6/*.6.gz "$man"/de/man6/*.6.gz; do
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) &&
        [ -z "$warnings" ] || fail "$page: $warnings"
done
for program in "$@"; do
    LC_ALL=C.UTF-8 man -M "$man" 6 "$program" 2>&1 | grep -q "^NAME" ||
        fail "man finds no English page for $program"
    LC_ALL=C.UTF-8 man -M "$man/de" 6 "$program" 2>&1 | grep -q "^BEZEICHNUNG" ||
        fail "man finds no German page for $program"
done
[ "$failures" -eq 0 ] && echo "PASS: lintian, hardening-check, appstreamcli and man on $(basename "$deb")"
end_of_checks
