#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(find logtext drill drillview drillreport drillstart tests tools -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Differs from clang-format (run clang-format -i on it): ${unformatted[*]}" >&2
    exit 1
fi
echo "clang-format: ${#files[@]} files agree"
