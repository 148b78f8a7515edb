#!/usr/bin/env bash
# The Windows installer as an administrator uses it: made from the finished cross build in
# this version, in an older one and in this one again, the rebuild signed with a throwaway
# certificate; its tables read with msiinfo; then, in a Wine prefix of its own, installed
# silently over the older version, drill.exe run through its Start-menu entry, installed
# again, the rebuild installed over it with a class folder (the drill's entry twice, the class
# overview's entry), this version over that without one, and removed.
# Usage: packaging_msi.sh MSI_BUILD_COMMAND... -- VERSION WORK_DIRECTORY PROGRAM...
#   MSI_BUILD_COMMAND: the build's command that makes a package (package_msi.cmake), to
#   which VERSION, a staging folder and the package's name are added
#   PROGRAM: the programs the package must hold (drill, drillview, drillreport)
# (The package's name, that of its folder under Program Files, the publisher, the home page,
# the programs' versions, the class folder's property, registry key and value, the class
# overview's entry and the names of the user's folder and of the page come from CTest.)
set -euo pipefail
build=()
while [ "$1" != -- ]; do
    build+=("$1")
    shift
done
version=$2 work=$3
shift 3
tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$tests/test_lib.sh"
export LC_ALL=C.UTF-8
package_name=${DRILL_PACKAGE_NAME:?} publisher=${DRILL_PUBLISHER:?} homepage=${DRILL_HOMEPAGE:?}
class_property=${DRILL_CLASS_FOLDER_PROPERTY:?} user_folder=${DRILL_USER_FOLDER:?}
page=${DRILL_PAGE_NAME:?} overview_name=${DRILL_CLASS_OVERVIEW_NAME:?}
declare -A versions=([drill]=${DRILL_VERSION:?} [drillview]=${DRILLVIEW_VERSION:?}
    [drillreport]=${DRILLREPORT_VERSION:?} [drillstart]=${DRILLSTART_VERSION:?})
# Each program's Start-menu entry has the German name of its desktop entry.
declare -A names
for program in "$@"; do
    names[$program]=$(sed -n 's/^Name\[de\]=//p' "$tests/../packaging/$program.desktop.in")
done
released_upgrade_code='{B7803016-4368-48A3-8A34-8A1ED543D02C}' # as 1.7.1 shipped it, for good
old=1.0.0

rm -rf "$work"
mkdir -p "$work/home"
cd "$work"
# The older version, this one, and this one again, as a second build of one version makes it,
# signed.
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out certificate.pem -days 2 \
    -subj /CN=Testschule -addext extendedKeyUsage=codeSigning >>build.log 2>&1 ||
    fail "no certificate: $(cat build.log)"
for package in "$old" "$version" "$version-again"; do
    signing=()
    [ "$package" = "$old" ] || [ "$package" = "$version" ] ||
        signing=(-DSIGN_CERTIFICATE="$work/certificate.pem" -DSIGN_KEY="$work/key.pem")
    "${build[0]}" "${signing[@]}" "${build[@]:1}" "${package%-again}" "$work/files-$package" \
        "drill-suite-$package-win64.msi" >>build.log 2>&1 ||
        fail "making the $package package: $(cat build.log)"
done
msi=drill-suite-$version-win64.msi old_msi=drill-suite-$old-win64.msi
again_msi=drill-suite-$version-again-win64.msi
signed() { osslsigncode verify -CAfile certificate.pem -in "$1" >/dev/null 2>&1; }
for file in "$again_msi" "${@/%/.exe}" drillstart.exe; do
    [[ $file == *.msi ]] || file=files-$version-again/$file # as packed
    signed "$file" || fail "$file is not signed"
done
! signed "$msi" && ! signed "files-$version/drill.exe" || fail "signed without a certificate"

# The tables.
table() { msiinfo export "${2:-$msi}" "$1" | tail -n +4 | tr -d '\r' | sort; }
property() { msiinfo export "${2:-$msi}" Property | tr -d '\r' | sed -n "s/^$1\t//p"; }
product=$(table Shortcut | awk -F '\t' '$1 == "drill.lnk" { print $3 }')
for pair in "ProductVersion	$version" "Manufacturer	$publisher" "ALLUSERS	1" \
    "ProductName	$product" "ARPPRODUCTICON	drill.ico" "ARPHELPLINK	$homepage" \
    "UpgradeCode	$released_upgrade_code"; do
    [ "$(property "${pair%%	*}")" = "${pair#*	}" ] || fail "Property ${pair%%	*}: $(table Property)"
done
upgrade_code=$(property UpgradeCode)
[ "$(property UpgradeCode "$old_msi")" = "$upgrade_code" ] &&
    [ "$(property UpgradeCode "$again_msi")" = "$upgrade_code" ] &&
    [ "$(printf '%s\n' "$(property ProductCode "$old_msi")" "$(property ProductCode)" \
        "$(property ProductCode "$again_msi")" | sort -u | wc -l)" = 3 ] ||
    fail "the three packages do not share only the upgrade code"
# Older versions and a rebuild of this one found and replaced, newer ones refused.
[ "$(table Upgrade | cut -f 1-3,5,7)" = "$upgrade_code		$version	513	WIX_UPGRADE_DETECTED
$upgrade_code	$version		2	WIX_DOWNGRADE_DETECTED" ] || fail "Upgrade: $(table Upgrade)"
msiinfo suminfo "$msi" | grep -q '^Template: x64;1031$' || fail "summary: $(msiinfo suminfo "$msi")"
[ "$(table Directory | grep -F INSTALLDIR)" = "INSTALLDIR	ProgramFiles64Folder	$package_name" ] ||
    fail "Directory: $(table Directory)"
# Each program versioned as its resources are; the texts are not.
files=$(for program in "$@" drillstart; do
    printf '%s.exe\t%s\n' "$program" "${versions[$program]}"
done
printf '%s\t\n' LICENSE.txt LIESMICH.txt README.txt)
[ "$(table File | cut -f 3,5)" = "$(sort <<<"$files")" ] || fail "File: $(table File)"
class_overview=$(table Shortcut | awk -F '\t' '$1 == "classoverview.lnk" { print $6 }')
expected=$(for program in "$@"; do
    printf '%s\t%s\tdrillstart.exe\t[#drillstart.exe]\t%s\t%s.ico\n' \
        "$program.lnk" "${names[$program]}" "$program" "$program"
done
for text in LIESMICH=Liesmich "README=Read me"; do
    printf '%s.txt.lnk\t%s – %s\t%s.txt\t[#%s.txt]\t\t\n' \
        "${text%=*}" "$product" "${text#*=}" "${text%=*}" "${text%=*}"
done
printf 'classoverview.lnk\t%s\tclassfolder\t[#drillstart.exe]\t%s\tdrillreport.ico\n' \
    "$overview_name" "$class_overview")
[ "$(table Shortcut | cut -f 1,3-6,9)" = "$(sort <<<"$expected")" ] || fail "Shortcut: $(table Shortcut)"
[ "$(table Component | awk -F '\t' '$1 == "classfolder" { print $5 }')" = "$class_property" ] ||
    fail "the class overview is not only there with a class folder: $(table Component)"

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
documents=$profile/Documents
msiexec() { timeout --kill-after=10 300 wine msiexec "$@" /qn </dev/null >>msiexec.log 2>&1; }
# The uninstall entries of the product: "VERSION PUBLISHER LOCATION HELP-LINK" each.
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null |
        tr -d '\r' | awk -v product="$product" '
            function entry() { if (name == product) print version, publisher, location, help }
            /^HKEY/ { entry(); name = version = publisher = location = help = "" }
            $1 == "DisplayName" { sub(/.*REG_SZ +/, ""); name = $0 }
            $1 == "DisplayVersion" { sub(/.*REG_SZ +/, ""); version = $0 }
            $1 == "Publisher" { sub(/.*REG_SZ +/, ""); publisher = $0 }
            $1 == "InstallLocation" { sub(/.*REG_SZ +/, ""); location = $0 }
            $1 == "HelpLink" { sub(/.*REG_SZ +/, ""); help = $0 }
            END { entry() }'
}
# VERSION: the uninstall entry expected of it.
entry() { printf '%s %s C:\\Program Files\\%s\\ %s\n' "$1" "$publisher" "$package_name" "$homepage"; }
# The class folder kept for all users.
class_folder() {
    wine reg query "HKLM\\${DRILL_SETTINGS_KEY:?}" /v "${DRILL_CLASS_FOLDER_VALUE:?}" </dev/null |
        tr -d '\r' | sed -n 's/.*REG_SZ *//p'
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
# ARGUMENTS...: drillstart.exe as an entry starts it, exit code in status; the drill's input.
start_entry() {
    status=0
    printf 'Anna\r\n1 1\r\n-1\r\n12345\r\n' | (cd "$work" && timeout --kill-after=10 120 wine \
        "C:\\Program Files\\$package_name\\drillstart.exe" "$@" >entry.out 2>entry.err) ||
        status=$?
}

msiexec /i "$old_msi" || fail "installing $old: $(cat msiexec.log)"
[ "$(entries)" = "$(entry "$old")" ] || fail "after installing $old: $(entries)"
msiexec /i "$msi" || fail "upgrading to $version: $(cat msiexec.log)"
[ "$(entries)" = "$(entry "$version")" ] || fail "after the upgrade: $(entries)"
[ "$(cd "$installed" && ls | sort)" = "$(cut -f 1 <<<"$files" | sort)" ] ||
    fail "installed: $(ls "$installed")"
for program in "$@"; do
    link=$menu/${names[$program]}.lnk
    [ -f "$link" ] || fail "no shortcut ${names[$program]}: $(ls "$menu")"
    # The target as a path of the link's LinkInfo, the arguments as a string of its own.
    strings -a "$link" | grep -qxF "C:\\Program Files\\$package_name\\drillstart.exe" &&
        strings -a -el "$link" | grep -qx "$program" ||
        fail "${names[$program]}.lnk: $(strings -a "$link" && strings -a -el "$link")"
done
for text in Liesmich 'Read me'; do
    [ -f "$menu/$product – $text.lnk" ] || fail "no shortcut to the read-me: $(ls "$menu")"
done
overview=$menu/$overview_name.lnk
[ ! -e "$overview" ] && [ -z "$(class_folder)" ] ||
    fail "a class overview without a class folder"

# The drill's entry, as it runs: drillstart.exe makes the folder and drill.exe writes there.
[ ! -e "$documents/$user_folder" ] || fail "the folder exists before the first start"
start_entry drill
[ "$status" -eq 0 ] && grep -q $'^Name: Anna    Note: 6\r$' entry.out ||
    fail "drill.exe through drillstart.exe ended with $status: $(cat -v entry.out entry.err)"
grep -q $'^Name:\\.*Anna\r$' "$documents/$user_folder/tovu" ||
    fail "no tovu in Documents\\$user_folder"

before=$(state)
msiexec /i "$msi" || fail "installing $version again: $(cat msiexec.log)"
[ "$(state)" = "$before" ] ||
    fail "installing $version again changed:"$'\n'"$(diff <(echo "$before") <(state))"
! msiexec /i "$old_msi" && [ "$(entries)" = "$(entry "$version")" ] ||
    fail "$old installed over $version: $(entries)"

# The rebuild over it, with a class folder: every start of an entry works in the user's
# folder there, and the class overview's page goes to the user's Documents, never there.
mkdir klasse
classes=Z:${work//\//\\}\\klasse
msiexec /i "$again_msi" "$class_property=$classes" ||
    fail "installing the rebuild with a class folder: $(cat msiexec.log)"
[ "$(entries)" = "$(entry "$version")" ] || fail "after the rebuild: $(entries)"
[ "$(class_folder)" = "$classes" ] || fail "the class folder kept is '$(class_folder)'"
own=klasse/$(basename "$profile")
for starts in 1 2; do
    start_entry drill
    [ "$status" -eq 0 ] && [ "$(grep -c '^Startzeit:' "$own/tovu")" = "$starts" ] ||
        fail "start $starts in the class folder ended with $status: $(cat -v entry.err)"
done
wine reg add 'HKCR\.html' /ve /d drill.testpage /f </dev/null >/dev/null
wine reg add 'HKCR\drill.testpage\shell\open\command' /ve /f \
    /d "cmd /c echo %1>Z:${work//\//\\}\\opened" </dev/null >/dev/null
[ -f "$overview" ] || fail "no shortcut $overview_name: $(ls "$menu")"
start_entry "$class_overview"
for _ in $(seq 600); do # the handler runs beside drillreport.exe
    [ ! -s opened ] || break
    sleep 0.1
done
[ "$status" -eq 0 ] && grep -q '1 Protokoll, ' "$documents/$page" &&
    grep -qF "$page" opened && [ -z "$(find klasse -name "$page")" ] ||
    fail "the class overview ended with $status: $(cat -v entry.out entry.err opened)"
msiexec /i "$msi" || fail "installing $version over the rebuild: $(cat msiexec.log)"
[ "$(class_folder)" = "$classes" ] && [ -f "$overview" ] ||
    fail "the upgrade lost the class folder: '$(class_folder)'"

msiexec /x "$msi" || fail "removing: $(cat msiexec.log)"
[ ! -e "$installed" ] || fail "left after removal: $(ls -R "$installed")"
[ -z "$(entries)" ] && [ -z "$(class_folder)" ] || fail "left after removal: $(entries)"
for program in "$@"; do
    [ ! -e "$menu/${names[$program]}.lnk" ] || fail "the shortcut ${names[$program]} left"
done
[ ! -e "$overview" ] || fail "the shortcut $overview_name left"
for log in "$documents/$user_folder/tovu" "$own/tovu"; do
    grep -q $'^Name:\\.*Anna\r$' "$log" || fail "the removal took $log"
done
echo "PASS: $msi in $SECONDS s of Wine"
