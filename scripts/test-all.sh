#!/usr/bin/env bash
# Builds everything (Linux with GCC and with clang, Linux with sanitizers, Win32) and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each stage says when it starts, so that a slow run shows where its time went.
stage() { echo "=== $1 (after ${SECONDS} s) ==="; }

stage packages
scripts/install-deps.sh all
stage layout
scripts/check-format.sh
jobs=$(nproc)
for preset in native clang sanitize win32; do
    stage "$preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
# The clang build's compile database is the one clang-tidy reads.
stage clang-tidy
scripts/check-tidy.sh build/clang
stage done
