#!/usr/bin/env bash
# Types 12 + 5 = into the real window, closes it with Escape and checks the
# tape rows in the settings file; then starts the program again and checks
# that the tape came back (copied with Ctrl+P) and is written back unchanged.
# Usage: tape_survives_restart.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

start_program "$program"
press 1 2 KP_Add 5 equal Escape
wait_for_exit
[ -f "$ini" ] || fail "no settings file was written at $ini"

# Options on lines 1 to 11, a new user's tax rates (the rates in force) on
# line 12, lines 13 to 20 empty, one tape row per line from line 21 on: value
# and operator separated by a tab (a third cell, the link, appears only once
# some row has been linked). Every line ends in CR LF and nothing follows the
# last row.
lines=$(wc -l <"$ini")
[ "$lines" -eq 23 ] || fail "the settings file has $lines lines instead of 23"
[ "$(grep -c $'\r$' "$ini")" -eq 23 ] || fail "not every line of the settings file ends in CR LF"
sed -n '12p' "$ini" | grep -q '^ives=21%:21;10%:10;' || fail "line 12 does not hold the rates in force"
sed -n '13,20p' "$ini" | grep -qv $'^\r$' && fail "lines 13 to 20 of the settings file are not empty"
printf '12\t+\r\n5\t=\r\n17\t\r\n' >"$WORK/rows"
sed -n '21,23p' "$ini" >"$WORK/rows.found"
expect_same "$WORK/rows" "$WORK/rows.found" "lines 21 to 23 do not hold the three tape rows"
cp "$ini" "$WORK/first.ini"

# The second run restores the tape: a copy of the tape shows the same rows
# with decimal commas, and closing again writes them back as they were.
start_program "$program"
press ctrl+p
printf '12\t+\r\n5\t=\r\n17\t\r\n' >"$WORK/copied"
expect_clipboard "$WORK/copied"
press Escape
wait_for_exit
tail -n +12 "$WORK/first.ini" >"$WORK/tape.first"
tail -n +12 "$ini" >"$WORK/tape.second"
expect_same "$WORK/tape.first" "$WORK/tape.second" "the second run did not write the restored tape back unchanged"
echo "PASSED: the tape was saved at Escape and restored at the next start"
