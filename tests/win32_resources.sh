# Checks of a built .exe from outside that the Win32 resource tests share, sourced by them.
# shellcheck shell=bash
# Each check reports what it finds wrong through fail and goes on; the caller ends with
# `exit $((failures > 0))`.
source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"
keep_going=1

# Sets imports to the DLLs that OBJDUMP_HEADERS (objdump -p) name. The static build must not
# need the compiler's runtime DLLs: each import must be one of SYSTEM_DLLS.
check_imports() { # OBJDUMP_HEADERS SYSTEM_DLLS...
    local system_dlls=" ${*:2} " dll
    imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$1")
    [ -n "$imports" ] || fail "no import table found"
    for dll in $imports; do
        case "$system_dlls" in
        *" ${dll,,} "*) ;;
        *) fail "imports $dll, which is not a system DLL" ;;
        esac
    done
}

# The version resource as hexadecimal text, with UTF-16 texts spelled the same way.
hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f ASCII -t UTF-16LE | hex; }
# A 16-bit number as the two bytes it is stored as.
word_hex() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }

# VERSION (a.b.c.d) as the file and product version in both the fixed part and the texts.
check_version() { # EXE VERSION
    local exe=$1 version=$2 resource fixed key a b c d
    IFS=. read -r a b c d <<<"$version"
    resource=$(wrestool -x --raw --type=16 --name=1 "$exe" | hex)
    [ -n "$resource" ] || fail "no version resource"
    # VS_FIXEDFILEINFO: signature, structure version, file version, product version.
    local high low
    high=$(word_hex "$b")$(word_hex "$a") low=$(word_hex "$d")$(word_hex "$c")
    fixed=bd04effe00000100$high$low$high${low:0:6}
    [[ $resource == *"$fixed"* ]] ||
        fail "the fixed file and product version are not ${version//./,}"
    for key in FileVersion ProductVersion; do
        check_text "$exe" "$key" "$version"
    done
}

# KEY's value among the version resource's texts is VALUE (ASCII).
check_text() { # EXE KEY VALUE
    local resource pattern
    resource=$(wrestool -x --raw --type=16 --name=1 "$1" | hex)
    # The key, its terminating NUL, padding to 32 bits, then the value and its NUL.
    pattern="$(utf16 "$2")0000(0000)?$(utf16 "$3")0000"
    grep -q -E "$pattern" <<<"$resource" || fail "$2 is not \"$3\""
}

# Icon group 1 holds exactly the committed ICO (wrestool pads what it rebuilds); it is
# extracted to GROUP_FILE.
check_icon_group() { # EXE ICO GROUP_FILE
    wrestool -l "$1" | grep -q -- '--type=14 --name=1 ' || fail "no icon group 1"
    wrestool -x --type=14 --name=1 "$1" >"$3"
    cmp -n "$(stat -c %s "$2")" "$3" "$2" || fail "icon group 1 differs from $2"
}
