#!/usr/bin/env bash
# Builds one of the programs, the drill unless another is named, and starts it with the
# arguments given in the current directory, where the three meet through the log "tovu".
# Usage: scripts/run-drill.sh [drill | drillview | drillreport [ARGUMENT...]]
set -euo pipefail
program=${1:-drill}
[ $# -eq 0 ] || shift
case $program in
drill | drillreport) packages=run viewer=OFF ;;
drillview) packages=viewer viewer=ON ;;
*)
    echo "usage: $0 [drill | drillview | drillreport [ARGUMENT...]]" >&2
    exit 2
    ;;
esac
here=$(pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)

"$source_dir/scripts/install-deps.sh" "$packages"
cmake -S "$source_dir" -B "$source_dir/build/run" -DCMAKE_BUILD_TYPE=Release \
    -DDRILL_BUILD_TESTS=OFF -DDRILL_BUILD_VIEWER="$viewer" >/dev/null
cmake --build "$source_dir/build/run" --target "$program" -j "$(nproc)" >/dev/null
cd "$here"
exec "$source_dir/build/run/$program/$program" "$@"
