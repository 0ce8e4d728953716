#!/usr/bin/env bash
# The keys of a desk printing calculator typed into the real window:
#  - 10 + 5 = 7 + 3 = and g: a grand total of 25 after a row carrying "G";
#  - 16 F4, 2 Shift+F4: 14 in the memory; F9, then 1 2 3 4 + and Enter:
#    12,34 typed with the fixed decimals;
#  - the settings file keeps the memory and the fixed-decimal entry on its
#    extension lines, and the grand total in the tape lines;
#  - Brimsum --export writes the counts into the CSV's fourth column;
#  - after a restart F6 recalls 14 and the fixed decimals are still on (5 is
#    0,05); Shift+F6 and F9 take both back, and their lines go.
# Usage: desk_keys.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

start_program "$program"
press 1 0 KP_Add 5 equal 7 KP_Add 3 equal g
press 1 6 F4 2 shift+F4
press F9 1 2 3 4 KP_Add Return
press Escape
wait_for_exit

sed -n 12,20p "$ini" | grep -qx $'memoria=14\r' || fail "lines 12 to 20 do not keep the memory"
sed -n 12,20p "$ini" | grep -qx $'decimalsfixos=1\r' ||
    fail "lines 12 to 20 do not keep the fixed decimals"
printf '10\t+\r\n5\t=\r\n15\t\r\n7\t+\r\n3\t=\r\n10\tG\r\n25\t\r\n12,34\t=\r\n12.34\t\r\n' \
    >"$WORK/rows.expected"
tail -n +21 "$ini" >"$WORK/rows"
expect_same "$WORK/rows.expected" "$WORK/rows" "the tape lines are not the grand total's"

"$program" --export "$WORK/cinta.csv" >"$WORK/out" 2>&1 || fail "--export cinta.csv failed"
{
    printf '\xef\xbb\xbfValor;Operaci\xc3\xb3;Comentari;Elements\r\n'
    printf '10;+;;\r\n5;=;;\r\n15;;;2\r\n7;+;;\r\n3;=;;\r\n10;G;;2\r\n25;;;2\r\n'
    printf '12,34;=;;\r\n12,34;;;1\r\n'
} >"$WORK/csv.expected"
expect_same "$WORK/csv.expected" "$WORK/cinta.csv" "the CSV does not carry the counts"

start_program "$program"
press F6 KP_Add 5 Return shift+F6 F9
press Escape
wait_for_exit
! sed -n 12,20p "$ini" | grep -q -e '^memoria=' -e '^decimalsfixos=' ||
    fail "lines 12 to 20 still hold the memory or the fixed decimals"
printf '14\t+\r\n0,05\t=\r\n14.05\t\r\n' >"$WORK/rows.expected"
tail -n +30 "$ini" >"$WORK/rows"
expect_same "$WORK/rows.expected" "$WORK/rows" "the memory or the fixed decimals did not come back"
echo "PASSED: grand total, memory and fixed decimals typed, kept, exported and restarted"
