#!/usr/bin/env bash
# Fails when the repo's .clang-tidy profile finds anything in the programs' and tools' code.
# Only what the build's compile database holds is checked: a Linux build's database has the
# portable and the Linux files, the win32 build's the portable and the Win32 ones.
# Usage: scripts/check-tidy.sh [BUILD_DIRECTORY]   (default build/clang: cmake --preset clang)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/clang}
database=$build/compile_commands.json
[ -f "$database" ] || { echo "no $database" >&2; exit 1; }

# The product code and its headers, in every folder git has C++ files in; the tests are not
# held to the profile.
folders=$(git ls-files -- '*.cpp' '*.h' | sed -n 's|/.*||p' | sort -u | grep -v -x tests | paste -sd '|')
product="^$(pwd)/($folders)/"

# clang knows where its own and the system's headers are, not a GCC cross compiler's: for a
# build by GCC, clang is told the compiler's target and handed its C++ headers.
compiler=$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p' "$database" | head -n 1)
extra=()
if ! "$compiler" --version | grep -q clang; then
    extra+=("-extra-arg=--target=$("$compiler" -dumpmachine)")
    while read -r folder; do
        extra+=("-extra-arg=-isystem$folder")
    done < <("$compiler" -x c++ -E -v - </dev/null 2>&1 |
        sed -n '/^#include <...> search starts here:/,/^End of search list/p' | grep '/c++')
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -quiet -j "$(nproc)" -p "$build" "${extra[@]}" -header-filter "$product" \
    "$product" >"$log" 2>&1; then
    grep -E 'warning:|error:' "$log" >&2 || cat "$log" >&2
    echo "clang-tidy: findings above ($build)" >&2
    exit 1
fi
echo "clang-tidy: $(grep -c '^clang-tidy' "$log") files clean ($build)"
