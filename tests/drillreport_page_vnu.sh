#!/usr/bin/env bash
# drillreport's page checked by the Nu Html Checker (npm's vnu-jar, run by Debian's Java): no
# error in its markup or its style sheet. The npm packages are installed into MODULE-DIR once
# (page_tools.sh), 77 when they cannot be.
# Usage: drillreport_page_vnu.sh PAGE MODULE-DIR
set -euo pipefail
page=$(realpath "$1") modules=$(realpath -m "$2")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/page_tools.sh"

install_page_tools "$modules"
if ! errors=$(timeout --kill-after=10 300 java -jar \
    "$modules/node_modules/vnu-jar/build/dist/vnu.jar" --errors-only "$page" 2>&1); then
    fail "the Nu Html Checker objects to $page: $(head -n 20 <<<"$errors")"
fi
[ -z "$errors" ] || fail "the Nu Html Checker says: $(head -n 20 <<<"$errors")"
