#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Usage: scripts/install-deps.sh [run|viewer|all]
#   run: just what building drill and drillreport needs; viewer: that and drillview's window
set -euo pipefail

packages=(g++ cmake make)
if [ "${1:-all}" != run ]; then
    packages+=(libfltk1.3-dev) # the Linux viewer's window
fi
if [ "${1:-all}" = all ]; then
    packages+=(
        googletest libgtest-dev libbenchmark-dev       # unit tests and benchmarks
        clang-format clang-tidy git                    # the layout check (git's files), the lint
        clang libclang-rt-dev                          # the clang build, the fuzz target
        xvfb xauth xdotool x11-utils imagemagick       # window tests under Xvfb
        time                                           # the viewer's start-up benchmark
        mingw-w64 g++-mingw-w64-x86-64-posix           # the Win32 programs
        binutils-mingw-w64-x86-64 icoutils             # their resources, checked
        wine wine64                                    # the Win32 tests
        wixl msitools                                  # the Windows installer, its tables
        osslsigncode openssl                           # signing it, with a test certificate
        dpkg-dev file                                  # packaging and its checks
        lintian devscripts appstream man-db            # Debian's checkers of the .deb
        fonts-dejavu-core                              # the drill's screenshot
        desktop-file-utils libglib2.0-bin              # desktop entries: checked, launched
        chromium                                       # drillreport's page, drawn headless
        python3 python3-html5lib                       # and read by a strict HTML parser
        nodejs default-jre-headless                    # and checked by axe-core and the Nu
                                                       # Html Checker (npm)
        unicode-data                                   # drillreport's sort letters, checked
        libreoffice-calc-nogui gnumeric                # drillreport's CSV, opened
    )
    # A Node.js of another source brings its own npm, which Debian's npm would clash with.
    command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
