#!/usr/bin/env bash
# The command line's export, with real processes:
#  - with no display at all, Brimsum --export writes the stored tape as PDF
#    (pdftotext finds the values in the display form and the page numbers of
#    a tape of three pages), CSV (the region's separators) and a tape file
#    (the stored lines as they are), and ends with status 0 without writing,
#    locking or even touching the settings folder, and prints nothing, also
#    with XDG_RUNTIME_DIR unset (Qt warns about it);
#  - an unknown extension and an unwritable place end with their one message
#    on standard error, a non-zero status and no file;
#  - while a window runs on the same settings file, the export reads the file
#    as it is, does not hand over to the window, and the window stays.
# Usage: export_command_line.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
require_tools
command -v pdftotext >/dev/null || { echo "SKIPPED: pdftotext is not installed (poppler-utils)"; exit 77; }
program=$1
start_session
ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"

# Options (2 decimals), then a tape of 120 rows: 1250,5 + 380 - 12,5 = 1618,
# then 1 + ... 1 + 1 = 117.
mkdir -p "$XDG_CONFIG_HOME/Tarvik"
{
    printf '0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n120\r\n'
    for _ in $(seq 12 20); do printf '\r\n'; done
    printf '1250,5\t+\r\n380\t-\r\n12,5\t=\r\n1618\t\r\n'
    for _ in $(seq 1 114); do printf '1\t+\r\n'; done
    printf '1\t=\r\n117\t\r\n'
} >"$ini"
folder_state() {
    ls -la --time-style=full-iso "$XDG_CONFIG_HOME/Tarvik"
    sha256sum "$ini"
}
folder_state >"$WORK/before"

# export_without_display <file> [status] [options]: runs the export (with the
# options after it) with no display, no
# platform chosen and no runtime folder; expects the status (0 by default),
# nothing on standard output, and on standard error nothing, or one line of
# the program's own for a failure.
export_without_display() {
    local status=0
    env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "$program" --export "$1" "${@:3}" \
        >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq "${2:-0}" ] || { cat "$WORK/err" >&2; fail "--export $1 ended with status $status"; }
    [ -s "$WORK/out" ] && fail "--export $1 printed: $(cat "$WORK/out")"
    if [ "$status" -eq 0 ]; then
        [ -s "$WORK/err" ] && fail "--export $1 printed on standard error: $(cat "$WORK/err")"
    else
        [ "$(wc -l <"$WORK/err")" -eq 1 ] && grep -q '^Brimsum: ' "$WORK/err" ||
            fail "--export $1 printed more than its error: $(cat "$WORK/err")"
    fi
    return 0
}

export_without_display "$WORK/cinta.pdf"
pdftotext -layout "$WORK/cinta.pdf" "$WORK/cinta.pdf.txt"
for text in "1.250,50" "380,00" "12,50" "1.618,00" "117,00" "Pàgina 1 de 3" "Pàgina 3 de 3"; do
    grep -qF "$text" "$WORK/cinta.pdf.txt" || fail "the PDF's text has no \"$text\""
done
[ "$(tr -cd '\f' <"$WORK/cinta.pdf.txt" | wc -c)" -eq 3 ] || fail "the PDF does not have three pages"

export_without_display "$WORK/cinta.CSV"
printf '\xef\xbb\xbfValor;Operaci\xc3\xb3;Comentari;Elements\r\n1250,5;+;;\r\n380;-;;\r\n12,5;=;;\r\n1618;;;3\r\n' \
    >"$WORK/csv.expected"
head -c "$(stat -c %s "$WORK/csv.expected")" "$WORK/cinta.CSV" >"$WORK/csv.found"
expect_same "$WORK/csv.expected" "$WORK/csv.found" "the CSV does not start with the header and the first rows"

export_without_display "$WORK/cinta.txt"
tail -n +21 "$ini" >"$WORK/rows"
expect_same "$WORK/rows" "$WORK/cinta.txt" "the tape file does not hold the stored rows as they are"

# The first tab's tape by its name; no tape of a name that no tab has.
rm "$WORK/cinta.txt"
export_without_display "$WORK/cinta.txt" 0 --tape "Cinta 1"
expect_same "$WORK/rows" "$WORK/cinta.txt" "--tape 'Cinta 1' did not export the first tape"
export_without_display "$WORK/cinta-x.txt" 1 --tape "Client Puig"
grep -q "no hi ha cap cinta oberta anomenada «Client Puig»" "$WORK/err" ||
    fail "an unknown tape name gave no message: $(cat "$WORK/err")"
status=0
"$program" --tape "Cinta 1" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "--tape without --export ended with status $status"

export_without_display "$WORK/cinta.odt" 1
grep -q "extensió" "$WORK/err" || fail "an unknown extension gave no message: $(cat "$WORK/err")"
export_without_display "$WORK/no-such-folder/cinta.csv" 1
grep -q "No s'ha pogut desar el fitxer \"$WORK/no-such-folder/cinta.csv\". La carpeta no existeix." "$WORK/err" ||
    fail "an unwritable place gave no message: $(cat "$WORK/err")"
[ ! -e "$WORK/cinta.odt" ] && [ ! -e "$WORK/no-such-folder" ] && [ ! -e "$WORK/cinta-x.txt" ] || fail "a failed export left a file"

folder_state >"$WORK/after"
expect_same "$WORK/before" "$WORK/after" "the export changed the settings folder"
echo "exports without a display: PDF, CSV and tape file written, the settings folder untouched"

# ---- While a window runs ---------------------------------------------------
start_program "$program"
rm "$WORK/cinta.txt"
export_without_display "$WORK/cinta.txt"
expect_same "$WORK/rows" "$WORK/cinta.txt" "the export beside a running window did not read the stored tape"
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the window ended"
[ -n "$(xdotool search --onlyvisible --pid "$PROGRAM_PID" --name Calculadora 2>/dev/null)" ] ||
    fail "the window is gone"
press Escape
wait_for_exit
echo "PASSED: the export ran without a window, without a display and beside a running window"
