#!/usr/bin/env bash
# Builds drill and starts it in the current directory, where it keeps its log "tovu".
set -euo pipefail
here=$(pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)

"$source_dir/scripts/install-deps.sh" run
cmake -S "$source_dir" -B "$source_dir/build/run" -DCMAKE_BUILD_TYPE=Release \
    -DDRILL_BUILD_TESTS=OFF -DDRILL_BUILD_VIEWER=OFF >/dev/null
cmake --build "$source_dir/build/run" --target drill -j "$(nproc)" >/dev/null
cd "$here"
exec "$source_dir/build/run/drill/drill"
