#!/usr/bin/env bash
# Checks the built drillview.exe from outside: a window program (no console), version 1.1.0.0
# in its VERSIONINFO, the committed icon as icon group 1 with its 128, 48 and 32 pixel images
# in 32-bit colour, and no imported DLL beyond those every Windows system has.
# Usage: win32_viewer_resources.sh DRILLVIEW_EXE DRILLVIEW_ICO
set -euo pipefail
exe=$1
ico=$2
source "$(dirname "${BASH_SOURCE[0]}")/win32_resources.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q -E '^Subsystem[[:space:]]+00000002[[:space:]]' <<<"$headers" ||
    fail "not a window program: $(grep '^Subsystem' <<<"$headers")"
check_imports "$headers" kernel32.dll msvcrt.dll user32.dll gdi32.dll
check_version "$exe" 1.1.0.0

check_icon_group "$exe" "$ico" "$work/group.ico"
listing=$(icotool -l "$work/group.ico" | sed 's/ --index=[0-9]*//')
expected=$(printf -- '--icon --width=%d --height=%d --bit-depth=32 --palette-size=0\n' \
    128 128 48 48 32 32)
[ "$listing" = "$expected" ] || fail "icon group 1 holds: $listing"

[ "$failures" -eq 0 ] && echo "drillview.exe: window program, version 1.1.0.0, icon group 1" \
    "(128, 48, 32 px, 32-bit), imports: ${imports//$'\n'/ }"
exit $((failures > 0))
