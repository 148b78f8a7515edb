#!/usr/bin/env bash
# Checks every C++ file of both platforms against clang-format and clang-tidy first, then
# builds everything (Linux with GCC and with clang, Linux with sanitizers, Win32) and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each stage says when it starts, so that a slow run shows where its time went.
stage() { echo "=== $1 (after ${SECONDS} s) ==="; }

stage packages
scripts/install-deps.sh all
# The lint comes before any build, so that no failing test can skip it. clang-tidy reads the
# compile databases that configuring writes: the clang build's (the Linux and portable files)
# and the win32 build's (the Win32 and portable ones).
stage lint
scripts/check-format.sh
cmake --preset clang >/dev/null
cmake --preset win32 >/dev/null
scripts/check-tidy.sh build/clang
scripts/check-tidy.sh build/win32
jobs=$(nproc)
for preset in native clang sanitize win32; do
    stage "$preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
stage done
