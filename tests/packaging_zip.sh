#!/usr/bin/env bash
# The Windows .zip as a user gets it: built by CPack from the finished cross build, its list
# of files, the read-me texts (UTF-8 with a byte order mark, CR LF) and the license, the
# programs' versions and copyright notices, then, unpacked, drill.exe under Wine with its
# input from a pipe.
# Usage: packaging_zip.sh CPACK_CONFIG VERSION WORK_DIRECTORY PROGRAM...
#   PROGRAM: the programs the .zip must hold (drill, drillview, drillreport)
# (WINEPREFIX, Wine's quiet settings, the package's name, the programs' versions and the
# copyright notice come from CTest.)
set -euo pipefail
config=$1 version=$2 work=$3
shift 3
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix of the tests}"
unset DISPLAY
export LC_ALL=C # bytes are bytes for grep
source "$(dirname "${BASH_SOURCE[0]}")/win32_resources.sh"
keep_going=0 # unlike the resource tests, this one ends at its first failure
license=$(dirname "${BASH_SOURCE[0]}")/../LICENSE
# Each program's own version, from CMake.
declare -A versions=([drill]=${DRILL_VERSION:?} [drillview]=${DRILLVIEW_VERSION:?}
    [drillreport]=${DRILLREPORT_VERSION:?})
notice=${DRILL_COPYRIGHT_NOTICE:?}

rm -rf "$work"
mkdir -p "$work/unpacked"
timeout 300 cpack --config "$config" -G ZIP -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
folder=${DRILL_PACKAGE_NAME:?}-$version-win64
zip=$work/out/$folder.zip
[ -f "$zip" ] || fail "no $folder.zip: $(ls "$work/out")"

listed=$(cmake -E tar tf "$zip" | sort)
expected=$(printf "$folder/%s\n" "${@/%/.exe}" LIESMICH.txt README.txt LICENSE.txt | sort)
[ "$listed" = "$expected" ] || fail "the .zip holds:"$'\n'"$listed"$'\n'"expected:"$'\n'"$expected"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "the .zip does not unpack"
unpacked=$work/unpacked/$folder

for text in LIESMICH.txt README.txt; do
    file=$unpacked/$text
    [ "$(head -c 3 "$file")" = $'\xef\xbb\xbf' ] || fail "$text has no byte order mark"
    [ "$(tail -c 2 "$file" | tr '\r\n' RN)" = RN ] && ! grep -q $'[^\r]$' "$file" &&
        ! grep -q '^$' "$file" || fail "$text has lines not ending in CR LF"
    for program in "$@"; do
        grep -q "^  $program\.exe .* ${versions[$program]//./\\.} " "$file" ||
            fail "$text does not give $program.exe's version"
    done
    grep -q 'MIT License, .* LICENSE\.txt' "$file" || fail "$text does not name the license"
done
grep -q $'f\xc3\xbcr Windows' "$unpacked/LIESMICH.txt" || fail "LIESMICH.txt is not in UTF-8"

[ "$(tr -d '\r' <"$unpacked/LICENSE.txt")" = "$(cat "$license")" ] && ! grep -q $'[^\r]$' "$unpacked/LICENSE.txt" ||
    fail "LICENSE.txt is not LICENSE with CR LF line ends"

for program in "$@"; do
    exe=$unpacked/$program.exe
    x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "$program.exe is not stripped"
    case_name=$program.exe check_version "$exe" "${versions[$program]}"
    case_name=$program.exe check_text "$exe" LegalCopyright "$notice"
done

# The unpacked drill.exe: a wrong answer, the series ended, then the end of input.
cd "$unpacked"
status=0
printf 'Anna\r\n1 1\r\n-1\r\n12345\r\n' |
    timeout --kill-after=10 120 wine drill.exe >"$work/drill.out" 2>"$work/drill.err" ||
    status=$?
[ "$status" -eq 0 ] || fail "drill.exe ended with $status: $(cat -v "$work/drill.out" "$work/drill.err")"
grep -q $'= FALSCH!!!  Bisher 1 Fehler!\r$' "$work/drill.out" &&
    grep -q $'^Name: Anna    Note: 6\r$' "$work/drill.out" ||
    fail "drill.exe said: $(cat -v "$work/drill.out")"
[ "$(grep -c $'\r$' tovu)" -eq 10 ] && grep -q $'^Name:\\.*Anna\r$' tovu &&
    grep -q $'^Fehler:\\.*1\r$' tovu || fail "the log: $(cat -v tovu)"
echo "PASS: $folder.zip"
