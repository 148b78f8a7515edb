# The npm packages that check and measure drillreport's page in Debian's chromium and Java
# (tests/page_axe/package.json, exact versions), installed into a folder once; sourced.
# shellcheck shell=bash

# install_page_tools MODULE-DIR: the packages in MODULE-DIR/node_modules; ends the script with
# 77, skipped, when the npm registry cannot be reached.
install_page_tools() {
    local modules=$1 package
    mkdir -p "$modules"
    if cmp -s "$here/page_axe/package.json" "$modules/package.json"; then
        for package in axe-core playwright-core vnu-jar; do
            [ -d "$modules/node_modules/$package" ] || break
        done
        [ -d "$modules/node_modules/$package" ] && return 0
    fi
    cp "$here/page_axe/package.json" "$modules/package.json"
    # No lock file: it would name the registry; the versions are exact and have no dependencies.
    # No install scripts: the checker's would fetch a Java of its own.
    if ! (cd "$modules" && timeout 600 npm install --no-audit --no-fund --no-package-lock \
        --ignore-scripts >"$modules/npm.log" 2>&1); then
        if ! (cd "$modules" && timeout 60 npm ping >/dev/null 2>&1); then
            echo "skipped: the npm registry cannot be reached, the page's checkers are not installed"
            exit 77
        fi
        fail "npm install: $(tail -n 20 "$modules/npm.log")"
    fi
}
