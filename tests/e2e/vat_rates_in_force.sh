#!/usr/bin/env bash
# The rate list a start gets, with the real window:
#  - with an empty home (no settings file), 100 and "i" add 21 %, the rate in
#    force, Enter gives the total 121, and the settings file keeps the rates in
#    force on line 12, with the first rate selected on line 3;
#  - a settings file of an earlier version, without a rate line, keeps the
#    original list: it is written back byte for byte, and 100 and "i" add 16 %.
# Usage: vat_rates_in_force.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

# ---- No settings file: the rates in force ---------------------------------
[ -e "$ini" ] && fail "the home is not empty"
start_program "$program"
press 1 0 0 i ctrl+p
printf '100\t+\r\n21\t%%\r\n21\t\r\n' >"$WORK/expected"
expect_clipboard "$WORK/expected"
# Enter and "=" write the total row; Ctrl+R copies it.
press Return equal ctrl+r
printf '121' >"$WORK/expected"
expect_clipboard "$WORK/expected"
press Escape
wait_for_exit

rates='ives=21%:21;10%:10;4%:4;5.2% Re:5.2;1.4% Re:1.4;0.5% Re:0.5;26.2% (21%+5.2%):26.2;11.4% (10%+1.4%):11.4;4.5% (4%+0.5%):4.5'
[ "$(sed -n 3p "$ini")" = $'0\r' ] || fail "line 3 does not select the first rate"
[ "$(sed -n 12p "$ini")" = "$rates"$'\r' ] || fail "line 12 does not hold the rates in force"
echo "an empty home: 100 + 21 % 21, and the rates in force stored"

# ---- A file without a rate line: the original list, byte for byte --------
# Lines 1 to 11 (the window at 40, 30, rate index 0, the start options),
# nine empty extension lines and a tape.
{
    printf '%s\r\n' 40 30 0 0 0 2 1 0 1 0 3
    for _ in $(seq 12 20); do printf '\r\n'; done
    printf '12\t+\r\n5\t=\r\n17\t\r\n'
} >"$ini"
cp "$ini" "$WORK/earlier"
start_program "$program"
press Escape
wait_for_exit
expect_same "$WORK/earlier" "$ini" "a file without a rate line was not written back as it was"

start_program "$program"
press 1 0 0 i ctrl+p
printf '12\t+\r\n5\t=\r\n17\t\r\n100\t+\r\n16\t%%\r\n16\t\r\n' >"$WORK/expected"
expect_clipboard "$WORK/expected"
press Escape
wait_for_exit
grep -q 'ives=' "$ini" && fail "the original list wrote a rate line"
echo "PASSED: a new user computes at 21 %, a file of an earlier version keeps 16 %"
