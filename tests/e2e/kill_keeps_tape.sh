#!/usr/bin/env bash
# A program killed outright (SIGKILL: a crash, the out-of-memory killer, a
# power cut) loses nothing typed more than a second before: the next start
# shows the tape, its comment, the number half typed and the subtotal as they
# were. Then, killed at random moments while 200 keys are typed, every start
# shows the tape after some of those keys, never a mix. With "second", all
# of it happens in a second tape (Ctrl+Shift+N), kept in a tape file of its
# own with its journal.
# Usage: kill_keeps_tape.sh <path of Brimsum> [second]
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
second=${2:-}
tape_file="$XDG_DATA_HOME/Tarvik/oberta-2.txt"

# The tape the keys go to.
open_tape() {
    if [ -n "$second" ]; then press ctrl+shift+n; fi
}

# The rows of that tape as its file holds them.
tape_rows() {
    if [ -n "$second" ]; then cat "$tape_file" 2>/dev/null || true; else tail -n +21 "$ini" 2>/dev/null || true; fi
}

# Removes every tape.
forget_tapes() {
    rm -f "$ini" "$ini.diari" "$XDG_DATA_HOME"/Tarvik/oberta-* "$XDG_DATA_HOME/Tarvik/cintes-obertes.txt"
}

kill_program() {
    kill -KILL "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
}

# A start and a clean close, which writes the settings file whole from what
# the journal gave back.
restart() {
    start_program "$program"
    press Escape
    wait_for_exit
}

start_program "$program"
open_tape
press 1 2 5 0 comma 5 KP_Add 3 8 0 minus 1 2 comma 5 equal
press F3
xdotool type --delay 30 "Lloguer"
press Return 2 0 0 KP_Add 1 6
sleep 1.2
kill_program

# Before any start, a command-line export already gives the journal's rows.
export=(--export "$WORK/killed.csv")
if [ -n "$second" ]; then export+=(--tape "Cinta 2"); fi
"$program" "${export[@]}" >"$WORK/out" 2>&1 || fail "--export after the kill failed"
grep -q '^1618;;Lloguer;3' "$WORK/killed.csv" && grep -q '^200;+;;' "$WORK/killed.csv" ||
    fail "--export after the kill lacks the rows the journal keeps: $(cat "$WORK/killed.csv")"
restart

# The comment is on the total; 200 goes on the row after it, and 16 is the
# entry.
tape_rows >"$WORK/rows.found"
printf '1250,5\t+\r\n380\t-\r\n12,5\t=\r\n1618\t\t\tLloguer\r\n200\t+\r\n' >"$WORK/rows"
expect_same "$WORK/rows" "$WORK/rows.found" "the tape typed before the kill did not come back"
if [ -z "$second" ]; then
    grep -q $'^entrada=16\r$' "$ini" || fail "the number half typed did not come back"
fi
# The tape is the one in use, and "+" adds the number half typed.
start_program "$program"
press KP_Add Escape
wait_for_exit
tape_rows >"$WORK/rows.found"
printf '16\t+\r\n' >>"$WORK/rows"
expect_same "$WORK/rows" "$WORK/rows.found" "the number half typed did not come back"

# 1 + 2 + 3 + ... + 70 + (201 keys) typed, killed at a random key: the tape must be the rows
# 1, 2, ... n in order, each with "+", and the entry the start of n + 1.
for round in 1 2 3; do
    forget_tapes
    start_program "$program"
    open_tape
    keys=()
    for ((n = 1; n <= 70; n++)); do
        for ((i = 0; i < ${#n}; i++)); do keys+=("${n:i:1}"); done
        keys+=(KP_Add)
    done
    xdotool key --delay 15 "${keys[@]}" &
    typist=$!
    sleep "0.$((RANDOM % 9 + 1))$((RANDOM % 10))"
    kill -KILL "$PROGRAM_PID"
    wait "$typist" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
    start_program "$program"
    press Escape
    wait_for_exit
    rows=$(tape_rows | tr -d '\r')
    expected=""
    count=$(printf '%s' "$rows" | grep -c . || true)
    for ((n = 1; n <= count; n++)); do expected+="$n"$'\t+\n'; done
    [ "$rows"$'\n' = "$expected" ] || [ -z "$rows" ] ||
        fail "round $round: the tape is no prefix of the keys typed: $(printf '%s' "$rows" | head -c 300)"
    entry=$(if [ -z "$second" ]; then sed -n 's/^entrada=\(.*\)\r$/\1/p' "$ini"; fi)
    next=$((count + 1))
    [ -z "$entry" ] || [ "${next#"$entry"}" != "$next" ] ||
        fail "round $round: the entry $entry is not the start of $next"
    echo "round $round: $count rows back, entry '${entry}'"
done
echo "PASSED: a kill loses nothing typed a second before, and never mixes the keys"
