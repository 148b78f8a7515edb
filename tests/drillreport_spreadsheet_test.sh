#!/usr/bin/env bash
# drillreport's CSV as spreadsheets open it: LibreOffice Calc with the separators its import
# dialog ticks on a double-click, and with the semicolon alone; Gnumeric's ssconvert, which
# splits at commas only. Every row keeps its eight fields, numbers are numbers, the end time a
# date, and no name becomes a formula.
# Usage: drillreport_spreadsheet_test.sh DRILLREPORT WORK_DIRECTORY
set -euo pipefail
drillreport=$(realpath "$1") work=$(realpath -m "$2")
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
source "$here/test_lib.sh"
source "$here/drillreport_logs.sh"
keep_going=1
export LC_ALL=C.UTF-8 HOME=$work/home
rm -rf "$work"
mkdir -p "$work/home"
cd "$work"

write_class_logs
"$drillreport" --csv pc1/tovu pc2/tovu >class.csv || fail "drillreport ended with $?"
series=$(($(wc -l <class.csv) - 1))

# The types of a data row: a name, a date, a kind word and five numbers.
row_types='^[a-z]+:[^\t]*\tdate:[^\t]+\tstring:[^\t]+(\tfloat:[0-9]+){5}$'

# CASE FILTER: the CSV through LibreOffice's import with FILTER, as cells.
libreoffice_cells() {
    rm -rf lo && mkdir lo
    timeout --kill-after=10 180 soffice -env:UserInstallation="file://$work/profile" \
        --headless --infilter="$2" --convert-to ods --outdir lo class.csv >lo/log 2>&1 ||
        fail "soffice ended with $?: $(cat lo/log)"
    /usr/bin/python3 "$here/spreadsheet_cells.py" lo/class.ods >"$1.cells" ||
        fail "no spreadsheet from soffice: $(cat lo/log)"
}

for filter in 'CSV:9/44/59,34,76,1,,1031' 'CSV:59,34,76,1,,1031'; do
    case_name="LibreOffice $filter"
    libreoffice_cells lo "$filter"
    [ "$(head -n 1 lo.cells)" = "$(sed 's/^/string:/; s/;/\tstring:/g' <<<"$(sed -n '1s/^\xef\xbb\xbf//; 1s/\r$//p' class.csv)")" ] ||
        fail "header row: $(head -n 1 lo.cells)"
    [ "$(tail -n +2 lo.cells | grep -c -P -- "$row_types")" = "$series" ] || {
        fail "rows not read as eight fields of their types:"
        tail -n +2 lo.cells | grep -v -P -- "$row_types" >&2 || true
    }
    for name in 'Anna;Lena' 'Müller, Lena' '=HYPERLINK("http://x")' 'Max "Mäxchen" Muster'; do
        grep -q -F -- ":${name/#=/\'=}	date:" lo.cells || fail "the name $name is not one cell"
    done
    ! grep -q -P '(^|\t)=' lo.cells || fail "a cell holds a formula: $(grep -P '(^|\t)=' lo.cells)"
done

# Gnumeric's importer knows no semicolon: a comma inside a field must not split it either.
case_name='Gnumeric'
timeout --kill-after=10 120 ssconvert class.csv gnumeric.ods >gnumeric.log 2>&1 ||
    fail "ssconvert ended with $?: $(cat gnumeric.log)"
/usr/bin/python3 "$here/spreadsheet_cells.py" gnumeric.ods >gnumeric.cells
[ "$(wc -l <gnumeric.cells)" = $((series + 1)) ] || fail "$(wc -l <gnumeric.cells) rows"
! grep -q -P '\t' gnumeric.cells || fail "a comma split a field: $(grep -P '\t' gnumeric.cells)"
! grep -q -P '^=' gnumeric.cells || fail "a cell holds a formula"
end_of_checks
