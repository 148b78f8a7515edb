#!/usr/bin/env bash
# Checks the built drill.exe from outside: version 1.5.0.0 in its VERSIONINFO, the committed
# icon as icon group 1, and no imported DLL beyond those every Windows system has.
# Usage: win32_drill_resources.sh DRILL_EXE DRILL_ICO
set -euo pipefail
exe=$1
ico=$2
source "$(dirname "${BASH_SOURCE[0]}")/win32_resources.sh"

check_imports "$(x86_64-w64-mingw32-objdump -p "$exe")" \
    kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll shell32.dll
check_version "$exe" 1.5.0.0

extracted=$(mktemp)
trap 'rm -f "$extracted"' EXIT
check_icon_group "$exe" "$ico" "$extracted"
icotool -l "$ico" | grep -q -- '--width=48 --height=48 --bit-depth=32' ||
    fail "the icon has no 48 by 48 image in 32-bit colour"
icotool -l "$ico" | grep -q -- '--width=32 --height=32 --bit-depth=32' ||
    fail "the icon has no 32 by 32 image in 32-bit colour"

[ "$failures" -eq 0 ] && echo "drill.exe: version 1.5.0.0, icon group 1, imports: $imports"
exit $((failures > 0))
