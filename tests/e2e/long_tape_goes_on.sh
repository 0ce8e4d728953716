#!/usr/bin/env bash
# A tape of 400 rows, saved with the first free row current (line 11 = 400),
# goes on at its end after a start: 5 + typed into the real window lands in
# row 400, and row 0 keeps its value. Escape writes the file again.
# Usage: long_tape_goes_on.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
require_tools
program=$1
start_session
ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
rows=400

mkdir -p "$(dirname "$ini")"
{
    printf '0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n%d\r\n' "$rows"
    printf '\r\n%.0s' {12..20}
    for ((row = 0; row < rows; row++)); do printf '%d\t+\r\n' $((row + 1)); done
} >"$ini"
cp "$ini" "$WORK/before.ini"

start_program "$program"
press 5 KP_Add Escape
wait_for_exit

lines=$(wc -l <"$ini")
[ "$lines" -eq $((20 + rows + 1)) ] || fail "the settings file has $lines lines instead of $((20 + rows + 1))"
tail -n +21 "$WORK/before.ini" >"$WORK/rows.before"
sed -n "21,$((20 + rows))p" "$ini" >"$WORK/rows.after"
expect_same "$WORK/rows.before" "$WORK/rows.after" "the stored rows did not come back unchanged (row 0 typed over?)"
printf '5\t+\r\n' >"$WORK/new"
tail -n 1 "$ini" >"$WORK/new.found"
expect_same "$WORK/new" "$WORK/new.found" "the new row is not the last row of the tape"
printf '%d\r\n' $((rows + 1)) >"$WORK/current"
sed -n '11p' "$ini" >"$WORK/current.found"
expect_same "$WORK/current" "$WORK/current.found" "line 11 does not hold the first free row"
echo "PASSED: a $rows-row tape went on at its end after a start"
