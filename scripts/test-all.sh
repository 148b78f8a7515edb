#!/usr/bin/env bash
# Builds everything (Linux with GCC and with clang, Linux with sanitizers, Win32) and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh all
scripts/check-format.sh
jobs=$(nproc)
for preset in native clang sanitize win32; do
    echo "=== $preset ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
# The clang build's compile database is the one clang-tidy reads.
scripts/check-tidy.sh build/clang
