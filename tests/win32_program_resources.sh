#!/usr/bin/env bash
# Checks a built Win32 program from outside: a window or a console program, VERSION in its
# VERSIONINFO, the committed icon as icon group 1 holding exactly the images of ICON_SIZES in
# 32-bit colour, and no imported DLL beyond SYSTEM_DLLS, those every Windows system has.
# Usage: win32_program_resources.sh EXE ICO VERSION window|console ICON_SIZES SYSTEM_DLL...
#   ICON_SIZES: the images' widths in pixels, in the icon's order, as 128,48,32
set -euo pipefail
exe=$1 ico=$2 version=$3 kind=$4 sizes=$5
shift 5
source "$(dirname "${BASH_SOURCE[0]}")/win32_resources.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

declare -A subsystems=([window]=00000002 [console]=00000003)
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q -E "^Subsystem[[:space:]]+${subsystems[$kind]}[[:space:]]" <<<"$headers" ||
    fail "not a $kind program: $(grep '^Subsystem' <<<"$headers")"
check_imports "$headers" "$@"
check_version "$exe" "$version"

check_icon_group "$exe" "$ico" "$work/group.ico"
listing=$(icotool -l "$work/group.ico" | sed 's/ --index=[0-9]*//')
expected=$(for size in ${sizes//,/ }; do
    printf -- '--icon --width=%d --height=%d --bit-depth=32 --palette-size=0\n' "$size" "$size"
done)
[ "$listing" = "$expected" ] || fail "icon group 1 holds: $listing"

[ "$failures" -eq 0 ] && echo "$(basename "$exe"): $kind program, version $version, icon group 1" \
    "($sizes px, 32-bit), imports: ${imports//$'\n'/ }"
exit $((failures > 0))
