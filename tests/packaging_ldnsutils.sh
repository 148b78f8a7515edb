#!/usr/bin/env bash
# The .deb that packaging_deb.sh made installs beside ldnsutils, which ships /usr/bin/drill:
# the two share no file. ldnsutils is only downloaded, never installed; without the package
# archive the test is skipped (exit 77).
# Usage: packaging_ldnsutils.sh DEB_WORK_DIRECTORY WORK_DIRECTORY
set -euo pipefail
deb_work=$1 work=$2
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
deb=$(echo "$deb_work"/out/*.deb)
[ -f "$deb" ] || fail "no .deb in $deb_work/out (packaging_deb runs first)"

rm -rf "$work"
mkdir -p "$work"
download() {
    (cd "$work" && timeout 120 apt-get download ldnsutils </dev/null >"$work/apt.log" 2>&1)
}
if ! download; then
    # A machine whose package lists were never fetched knows no ldnsutils yet.
    [ "$(id -u)" -eq 0 ] && timeout 120 apt-get update -qq </dev/null >>"$work/apt.log" 2>&1 &&
        download || {
        echo "SKIP: ldnsutils cannot be downloaded from the package archive: $(tail -n 3 "$work/apt.log")"
        exit 77
    }
fi

files() { dpkg-deb --contents "$1" | awk '$1 !~ /^d/ { print $6 }' | sort; }
files "$(echo "$work"/ldnsutils_*.deb)" >"$work/ldnsutils.files"
grep -qxF ./usr/bin/drill "$work/ldnsutils.files" ||
    fail "ldnsutils ships no /usr/bin/drill: is this the package meant?"
shared=$(comm -12 "$work/ldnsutils.files" <(files "$deb"))
[ -z "$shared" ] || fail "both packages ship:"$'\n'"$shared"
echo "PASS: $(basename "$deb") shares no file with $(basename "$work"/ldnsutils_*.deb)"
