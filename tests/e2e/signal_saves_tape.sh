#!/usr/bin/env bash
# A program told to stop (SIGTERM, SIGINT or SIGHUP, as a logout or a kill
# sends them) closes its window the normal way, so that the tape typed so far
# is in the settings file and the process ends with status 0.
# Usage: signal_saves_tape.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

for signal in TERM INT HUP; do
    rm -f "$ini"
    start_program "$program"
    press 4 KP_Add 2 equal
    kill -s "$signal" "$PROGRAM_PID"
    wait_for_exit
    [ -f "$ini" ] || fail "SIG$signal left no settings file"
    printf '4\t+\r\n2\t=\r\n6\t\r\n' >"$WORK/rows"
    sed -n '21,23p' "$ini" >"$WORK/rows.found"
    expect_same "$WORK/rows" "$WORK/rows.found" "the tape was not saved on SIG$signal"
done
echo "PASSED: SIGTERM, SIGINT and SIGHUP save the tape"
