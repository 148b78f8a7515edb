#!/usr/bin/env bash
# Checks the built drill.exe from outside: version 1.5.0.0 in its VERSIONINFO, the committed
# icon as icon group 1, and no imported DLL beyond those every Windows system has.
# Usage: win32_drill_resources.sh DRILL_EXE DRILL_ICO
set -euo pipefail
exe=$1
ico=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The imports: the static build must not need the compiler's runtime DLLs.
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll shell32.dll "
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
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
# VS_FIXEDFILEINFO: signature, structure version, file version 1.5 / 0.0, product version.
fixed=bd04effe00000100050001000000000005000100000000
[[ $version == *"$fixed"* ]] || fail "the fixed file and product version are not 1,5,0,0"
for key in FileVersion ProductVersion; do
    # The key, its terminating NUL, padding to 32 bits, then the value and its NUL.
    pattern="$(utf16 "$key")0000(0000)?$(utf16 1.5.0.0)0000"
    grep -q -E "$pattern" <<<"$version" || fail "$key is not \"1.5.0.0\""
done

# The icon group 1 holds exactly the committed icon; wrestool pads what it rebuilds.
listing=$(wrestool -l "$exe")
grep -q -- '--type=14 --name=1 ' <<<"$listing" || fail "no icon group 1"
extracted=$(mktemp)
trap 'rm -f "$extracted"' EXIT
wrestool -x --type=14 --name=1 "$exe" >"$extracted"
cmp -n "$(stat -c %s "$ico")" "$extracted" "$ico" || fail "the icon group differs from $ico"
icotool -l "$ico" | grep -q -- '--width=48 --height=48 --bit-depth=32' ||
    fail "the icon has no 48 by 48 image in 32-bit colour"
icotool -l "$ico" | grep -q -- '--width=32 --height=32 --bit-depth=32' ||
    fail "the icon has no 32 by 32 image in 32-bit colour"

[ "$failures" -eq 0 ] && echo "drill.exe: version 1.5.0.0, icon group 1, imports: $imports"
exit $((failures > 0))
