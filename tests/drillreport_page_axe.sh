#!/usr/bin/env bash
# drillreport's page checked for accessibility by axe-core in Debian's chromium. The two npm
# packages (tests/page_axe/package.json, exact versions) are installed into MODULE-DIR once;
# 77, skipped, when the npm registry cannot be reached.
# Usage: drillreport_page_axe.sh PAGE MODULE-DIR
set -euo pipefail
page=$(realpath "$1") modules=$(realpath -m "$2")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"

mkdir -p "$modules"
if ! cmp -s "$here/page_axe/package.json" "$modules/package.json" ||
    [ ! -d "$modules/node_modules/axe-core" ] || [ ! -d "$modules/node_modules/playwright-core" ]; then
    cp "$here/page_axe/package.json" "$modules/package.json"
    # No lock file: it would name the registry; the versions are exact and have no dependencies.
    if ! (cd "$modules" && timeout 600 npm install --no-audit --no-fund --no-package-lock \
        >"$modules/npm.log" 2>&1); then
        if ! (cd "$modules" && timeout 60 npm ping >/dev/null 2>&1); then
            echo "skipped: the npm registry cannot be reached, axe-core is not installed"
            exit 77
        fi
        fail "npm install: $(tail -n 20 "$modules/npm.log")"
    fi
fi
NODE_PATH=$modules/node_modules timeout --kill-after=10 300 node "$here/page_axe/page_axe.js" \
    "$page" || fail "axe-core objects to $page"
