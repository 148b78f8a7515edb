#!/usr/bin/env bash
# The Windows installer as an administrator uses it: made from the finished cross build in
# this version and in an older one, its tables read with msiinfo, then, in a Wine prefix of
# its own, installed silently over the older version, drill.exe run through its Start-menu
# entry, installed again, and removed.
# Usage: packaging_msi.sh MSI_BUILD_COMMAND... -- VERSION PRODUCT_NAME WORK_DIRECTORY PROGRAM...
#   MSI_BUILD_COMMAND: the build's command that makes a package (package_msi.cmake), to
#   which VERSION, a staging folder and the package's name are added
#   PROGRAM: the programs the package must hold (drill, drillview, drillreport)
# (The package's name, that of its folder under Program Files, and the publisher come from
# CTest.)
set -euo pipefail
build=()
while [ "$1" != -- ]; do
    build+=("$1")
    shift
done
version=$2 product=$3 work=$4
shift 4
tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$tests/test_lib.sh"
export LC_ALL=C.UTF-8
package_name=${DRILL_PACKAGE_NAME:?} publisher=${DRILL_PUBLISHER:?}
declare -A names=([drill]=Rechentrainer [drillview]=Übungsprotokoll [drillreport]=Lernfortschritt)
old=1.0.0

rm -rf "$work"
mkdir -p "$work/home"
cd "$work"
# The older version, and this one twice, as two builds of one version would make it.
for package in "$old" "$version" "$version-again"; do
    "${build[@]}" "${package%-again}" "$work/files-$package" "drill-suite-$package-win64.msi" \
        >>build.log 2>&1 || fail "making the $package package: $(cat build.log)"
done
msi=drill-suite-$version-win64.msi

# The tables.
table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r' | sort; }
property() { msiinfo export "$2" Property | tr -d '\r' | sed -n "s/^$1\t//p"; }
for pair in "ProductVersion	$version" "Manufacturer	$publisher" "ALLUSERS	1" \
    "ProductName	$product" "ARPPRODUCTICON	drill.ico"; do
    [ "$(property "${pair%%	*}" "$msi")" = "${pair#*	}" ] || fail "Property: $(table Property)"
done
upgrade_code=$(property UpgradeCode "$msi")
old_msi=drill-suite-$old-win64.msi
[ -n "$upgrade_code" ] && [ "$(property UpgradeCode "$old_msi")" = "$upgrade_code" ] &&
    [ "$(property ProductCode "$old_msi")" != "$(property ProductCode "$msi")" ] ||
    fail "the two versions do not share only the upgrade code"
again_msi=drill-suite-$version-again-win64.msi
[ "$(property ProductCode "$again_msi")" = "$(property ProductCode "$msi")" ] ||
    fail "two builds of $version are two products"
# Older versions found and replaced, newer ones refused.
[ "$(table Upgrade | cut -f 1-3,5,7)" = "$upgrade_code		$version	1	WIX_UPGRADE_DETECTED
$upgrade_code	$version		2	WIX_DOWNGRADE_DETECTED" ] || fail "Upgrade: $(table Upgrade)"
msiinfo suminfo "$msi" | grep -q '^Template: x64;' || fail "not for x64: $(msiinfo suminfo "$msi")"
[ "$(table Directory | grep -F INSTALLDIR)" = "INSTALLDIR	ProgramFiles64Folder	$package_name" ] ||
    fail "Directory: $(table Directory)"
files=$(printf '%s\n' "${@/%/.exe}" drillstart.exe LICENSE.txt | sort)
[ "$(table File | cut -f 3)" = "$files" ] || fail "File: $(table File)"
expected=$(for program in "$@"; do
    icon=$program.ico
    [ "$program" = drillreport ] && icon=drill.ico
    printf '%s\tProgramMenuFolder\t%s\tdrillstart.exe\t[#drillstart.exe]\t%s\t\t\t%s\n' \
        "$program.lnk" "${names[$program]}" "$program" "$icon"
done | sort)
[ "$(table Shortcut | cut -f 1-9)" = "$expected" ] || fail "Shortcut: $(table Shortcut)"

# A fresh prefix, apart from the suite's; its Documents folder lies inside the scratch folder.
export WINEPREFIX=$work/prefix HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'bash "$tests/win32_wine_prefix.sh" shutdown' EXIT
SECONDS=0
bash "$tests/win32_wine_prefix.sh" setup || fail "no Wine prefix"
echo "Wine prefix set up in $SECONDS s"
unset DISPLAY
drive=$WINEPREFIX/drive_c
installed=$drive/Program\ Files/$package_name
# Windows puts the shortcuts of a package for all users (ALLUSERS=1) in the all-users Start
# menu; Wine's msiexec in the installing user's.
profile=$(dirname "$(echo "$drive"/users/*/AppData)") # the one user's, not Public
menu=$profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
msiexec() { timeout --kill-after=10 300 wine msiexec "$@" /qn </dev/null >>msiexec.log 2>&1; }
# The uninstall entries of the product: "VERSION PUBLISHER" each.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null |
        tr -d '\r' | awk -v product="$product" '
            /^HKEY/ {
                if (name == product) print version, publisher
                name = version = publisher = ""
            }
            $1 == "DisplayName" { sub(/.*REG_SZ +/, ""); name = $0 }
            $1 == "DisplayVersion" { sub(/.*REG_SZ +/, ""); version = $0 }
            $1 == "Publisher" { sub(/.*REG_SZ +/, ""); publisher = $0 }
            END { if (name == product) print version, publisher }'
}
# What an install left: the files with their sizes and times, the shortcuts (Wine writes them
# anew when the product is installed again) and the entries. A shortcut is compared without
# its shell items (their size in 2 bytes after the 76 of the header, then them): they hold when
# each folder of the target's path was last read, which changes by chance. The rest holds the
# target's path, the arguments and the icon.
state() {
    local link items
    find "$installed" -printf '%p %s %T@\n' | sort
    for link in "$menu"/*.lnk; do
        items=$(od -An -tu2 -j76 -N2 "$link" | tr -d ' ')
        echo "$link $({ head -c 76 "$link" && tail -c +$((76 + 2 + items + 1)) "$link"; } | md5sum)"
    done
    entries
}

msiexec /i "$old_msi" || fail "installing $old: $(cat msiexec.log)"
[ "$(entries)" = "$old The drill developers" ] || fail "after installing $old: $(entries)"
msiexec /i "$msi" || fail "upgrading to $version: $(cat msiexec.log)"
[ "$(entries)" = "$version The drill developers" ] || fail "after the upgrade: $(entries)"
[ "$(cd "$installed" && ls | sort)" = "$files" ] || fail "installed: $(ls "$installed")"
for program in "$@"; do
    link=$menu/${names[$program]}.lnk
    [ -f "$link" ] || fail "no shortcut ${names[$program]}: $(ls "$menu")"
    # The target as a path of the link's LinkInfo, the arguments as a string of its own.
    strings -a "$link" | grep -qxF "C:\\Program Files\\$package_name\\drillstart.exe" &&
        strings -a -el "$link" | grep -qx "$program" ||
        fail "${names[$program]}.lnk: $(strings -a "$link" && strings -a -el "$link")"
done

# The drill's entry, as it runs: drillstart.exe makes the folder and drill.exe writes there.
documents=$profile/Documents
[ ! -e "$documents/Rechentrainer" ] || fail "the folder exists before the first start"
status=0
printf 'Anna\r\n1 1\r\n-1\r\n12345\r\n' | (cd "$work" && timeout --kill-after=10 120 wine \
    "C:\\Program Files\\$package_name\\drillstart.exe" drill >drill.out 2>drill.err) || status=$?
[ "$status" -eq 0 ] && grep -q $'^Name: Anna    Note: 6\r$' drill.out ||
    fail "drill.exe through drillstart.exe ended with $status: $(cat -v drill.out drill.err)"
grep -q $'^Name:\\.*Anna\r$' "$documents/Rechentrainer/tovu" ||
    fail "no tovu in Documents\\Rechentrainer"

before=$(state)
msiexec /i "$msi" || fail "installing $version again: $(cat msiexec.log)"
[ "$(state)" = "$before" ] ||
    fail "installing $version again changed:"$'\n'"$(diff <(echo "$before") <(state))"
! msiexec /i "$old_msi" && [ "$(entries)" = "$version The drill developers" ] ||
    fail "$old installed over $version: $(entries)"

msiexec /x "$msi" || fail "removing: $(cat msiexec.log)"
[ ! -e "$installed" ] || fail "left after removal: $(ls -R "$installed")"
[ -z "$(entries)" ] || fail "an entry left after removal: $(entries)"
for program in "$@"; do
    [ ! -e "$menu/${names[$program]}.lnk" ] || fail "the shortcut ${names[$program]} left"
done
grep -q $'^Name:\\.*Anna\r$' "$documents/Rechentrainer/tovu" || fail "the removal took tovu"
echo "PASS: $msi in $SECONDS s of Wine"
