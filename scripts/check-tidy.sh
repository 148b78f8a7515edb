#!/usr/bin/env bash
# Fails when the repo's .clang-tidy profile finds anything in the programs' and tools' code.
# Only what the build's compile database holds is checked: a Linux build's database has the
# portable and the Linux files, not the *_win32.cpp ones.
# Usage: scripts/check-tidy.sh [BUILD_DIRECTORY]   (default build/clang: cmake --preset clang)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/clang}
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json" >&2; exit 1; }

# The product code and its headers; the tests are not held to the profile.
product="^$(pwd)/(logtext|drill|drillview|drillreport|tools)/"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -quiet -j "$(nproc)" -p "$build" -header-filter "$product" "$product" \
    >"$log" 2>&1; then
    grep -E 'warning:|error:' "$log" >&2 || cat "$log" >&2
    echo "clang-tidy: findings above" >&2
    exit 1
fi
echo "clang-tidy: $(grep -c '^clang-tidy' "$log") files clean"
