#!/usr/bin/env bash
# Starts the real window on a settings file whose extension line holds the
# Spanish rates in force since 2012, with the first rate selected: 100 and
# "i" add 21 %, the total is 121, and the rate line is written back as it was.
# Usage: vat_rates_in_force.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

rates='ives=21%:21;10%:10;4%:4;5.2% Re:5.2;1.4% Re:1.4;0.5% Re:0.5;26.2% (21%+5.2%):26.2;11.4% (10%+1.4%):11.4;4.5% (4%+0.5%):4.5'
mkdir -p "$(dirname "$ini")"
# Lines 1 to 11: a centred window, rate index 0, the start options.
printf '%s\r\n' 0 0 0 0 0 2 1 0 1 0 0 "$rates" >"$ini"

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

[ "$(sed -n 3p "$ini")" = $'0\r' ] || fail "line 3 no longer selects the first rate"
[ "$(sed -n 12p "$ini")" = "$rates"$'\r' ] || fail "line 12 does not hold the rate line as it was"
echo "PASSED: the stored rates in force gave 21 % and the total 121"
