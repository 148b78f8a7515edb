#!/usr/bin/env bash
# Checks the built drillview.exe from outside: a window program (no console), version 1.1.0.0
# in its VERSIONINFO, the committed icon as icon group 1 with its 128, 48 and 32 pixel images
# in 32-bit colour, and no imported DLL beyond those every Windows system has.
# Usage: win32_viewer_resources.sh DRILLVIEW_EXE DRILLVIEW_ICO
set -euo pipefail
exe=$1
ico=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q -E '^Subsystem[[:space:]]+00000002[[:space:]]' <<<"$headers" ||
    fail "not a window program: $(grep '^Subsystem' <<<"$headers")"

# The static build must not need the compiler's runtime DLLs.
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll "
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no import table found"
for dll in $imports; do
    case "$system_dlls" in
    *" ${dll,,} "*) ;;
    *) fail "imports $dll, which is not a system DLL" ;;
    esac
done

# The version resource as hexadecimal text, with UTF-16 texts spelled the same way.
hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f ASCII -t UTF-16LE | hex; }
version=$(wrestool -x --raw --type=16 --name=1 "$exe" | hex)
[ -n "$version" ] || fail "no version resource"
# VS_FIXEDFILEINFO: signature, structure version, file version 1.1 / 0.0, product version.
fixed=bd04effe00000100010001000000000001000100000000
[[ $version == *"$fixed"* ]] || fail "the fixed file and product version are not 1,1,0,0"
for key in FileVersion ProductVersion; do
    # The key, its terminating NUL, padding to 32 bits, then the value and its NUL.
    pattern="$(utf16 "$key")0000(0000)?$(utf16 1.1.0.0)0000"
    grep -q -E "$pattern" <<<"$version" || fail "$key is not \"1.1.0.0\""
done

# Icon group 1 holds exactly the committed icon (wrestool pads what it rebuilds), and that
# has the three sizes in 32-bit colour.
wrestool -l "$exe" | grep -q -- '--type=14 --name=1 ' || fail "no icon group 1"
wrestool -x --type=14 --name=1 "$exe" >"$work/group.ico"
cmp -n "$(stat -c %s "$ico")" "$work/group.ico" "$ico" || fail "icon group 1 differs from $ico"
listing=$(icotool -l "$work/group.ico" | sed 's/ --index=[0-9]*//')
expected=$(printf -- '--icon --width=%d --height=%d --bit-depth=32 --palette-size=0\n' \
    128 128 48 48 32 32)
[ "$listing" = "$expected" ] || fail "icon group 1 holds: $listing"

[ "$failures" -eq 0 ] && echo "drillview.exe: window program, version 1.1.0.0, icon group 1" \
    "(128, 48, 32 px, 32-bit), imports: ${imports//$'\n'/ }"
exit $((failures > 0))
