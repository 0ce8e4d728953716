#!/usr/bin/env bash
# Keys typed ahead are never lost: with 1 ms between keys (a fast typist, a
# barcode reader, an auto-type tool), 12+5+7= goes onto a tape of a million
# rows, and a loan goes into the interest window's fields with Enter moving
# on from one field to the next. Every key must land: the tape ends with the
# new calculation, and the amortization table copied from the window is the
# one of the loan typed. The keys are typed while the program is held
# stopped, so that all of them are already waiting when it handles the first.
# Usage: typed_ahead_keys_land.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
mkdir -p "$(dirname "$ini")"

# 999,999 rows "1 +", then "1 =" and its total 1000000, the current row on
# the total: the keys start a new calculation below it.
rows=1000000
{
    printf '0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n%d\r\n' "$rows"
    printf '\r\n%.0s' {12..20}
    awk -v rows="$rows" 'BEGIN { for (i = 1; i < rows; i++) printf "1\t+\r\n" }'
    printf '1\t=\r\n%d\t\r\n' "$rows"
} >"$ini"

# The sanitizers make reading a million rows many times slower.
[ -n "${ASAN_OPTIONS:-}" ] && START_SECONDS=90
started=$(date +%s%N)
start_program "$program"
echo "the window of a $rows-row tape showed after $((($(date +%s%N) - started) / 1000000)) ms"
# type_ahead <keys>: types while the program is stopped, then lets it go on.
type_ahead() {
    kill -STOP "$PROGRAM_PID"
    xdotool type --delay 1 "$1"
    kill -CONT "$PROGRAM_PID"
}

type_ahead "12+5+7="

# The interest key (Càlcul Interès Bancari) under the keypad opens the loan
# window with the focus on the first capital.
xdotool mousemove --window "$WINDOW" 240 357 click 1
loans=""
for ((i = 0; i < 100; i++)); do
    loans=$(xdotool search --onlyvisible --name "Comparaci" 2>/dev/null | head -n 1) || true
    [ -n "$loans" ] && break
    sleep 0.05
done
[ -n "$loans" ] || fail "the interest window did not open"
xdotool windowfocus --sync "$loans"
# Capital 1,000,000 at 5 %, no years (Enter twice in a row), 12 months.
type_ahead $'1000000\r5\r\r12\r'
sleep 0.5
# Copiar Excel: the table as tab-separated rows; the due dates (column 3)
# depend on today and are left out of the comparison.
xdotool mousemove --window "$loans" 500 119 click 1
for ((i = 0; i < 50; i++)); do
    timeout 5 xclip -o -selection clipboard >"$WORK/table" 2>/dev/null || true
    [ "$(wc -l <"$WORK/table")" -ge 13 ] && break
    sleep 0.1
done
cut -f 1,2,4- "$WORK/table" >"$WORK/table.found"
{
    printf 'Quota\tAny\tCapital\tAcum Cap\tInter\303\250s\tAcum Int\tSaldo\r\n'
    printf '1\t1\t81440,81\t81440,81\t4166,67\t4166,67\t918559,19\r\n'
} >"$WORK/table.expected"
head -n 2 "$WORK/table.found" >"$WORK/table.head"
expect_same "$WORK/table.expected" "$WORK/table.head" "the loan table does not begin as the loan typed"
[ "$(wc -l <"$WORK/table.found")" -eq 13 ] || fail "the loan table has not 12 instalments"
printf '12\t1\t85252,26\t1000000,00\t355,22\t27289,78\t0,00\r\n' >"$WORK/last.expected"
tail -n 1 "$WORK/table.found" >"$WORK/last.found"
expect_same "$WORK/last.expected" "$WORK/last.found" "the last instalment is not the loan's"

xdotool windowfocus --sync "$WINDOW"
press Escape
wait_for_exit
printf '1\t=\r\n%d\t\r\n12\t+\r\n5\t+\r\n7\t=\r\n24\t\r\n' "$rows" >"$WORK/tail.expected"
tail -n 6 "$ini" >"$WORK/tail.found"
expect_same "$WORK/tail.expected" "$WORK/tail.found" "the tape does not end with 12 + 5 + 7 = 24"
[ "$(wc -l <"$ini")" -eq $((20 + rows + 5)) ] || fail "the tape lost or gained rows"
echo "PASSED: every key typed ahead landed, on the tape and in the loan fields"
