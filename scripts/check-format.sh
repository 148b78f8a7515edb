#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it. The files
# are git's: those it tracks and the new ones it does not ignore, in every folder.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while IFS= read -r file; do [ -f "$file" ] && echo "$file"; done) # not those just deleted
[ ${#files[@]} -gt 0 ] || { echo "git lists no C++ file" >&2; exit 1; }
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Differs from clang-format (run clang-format -i on it): ${unformatted[*]}" >&2
    exit 1
fi
echo "clang-format: ${#files[@]} files agree"
