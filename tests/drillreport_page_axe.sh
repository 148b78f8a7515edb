#!/usr/bin/env bash
# drillreport's page checked for accessibility by axe-core in Debian's chromium, and its
# layout measured there on a phone's width and on paper (tests/page_axe/page_axe.js); the
# npm packages are installed into MODULE-DIR once (page_tools.sh), 77 when they cannot be.
# Usage: drillreport_page_axe.sh PAGE MODULE-DIR
set -euo pipefail
page=$(realpath "$1") modules=$(realpath -m "$2")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/page_tools.sh"

install_page_tools "$modules"
NODE_PATH=$modules/node_modules timeout --kill-after=10 300 node "$here/page_axe/page_axe.js" \
    "$page" || fail "axe-core or the layout objects to $page"
